#include "forms/formbuilder.h"
#include "shell/uitext.h"
#include "support/testenv.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolBar>

using forms::ControlDef;
using forms::ControlKind;

namespace {

ControlDef label(const char *name, const char *caption, const char *tag)
{
    ControlDef d;
    d.name = name;
    d.kind = ControlKind::Label;
    d.caption = caption;
    d.tag = tag;
    d.width = 3000;
    d.height = 300;
    d.font = {"新細明體", 18, true};
    return d;
}

ControlDef button(const char *name, const char *caption, const char *tag, const char *tip = nullptr)
{
    ControlDef d;
    d.name = name;
    d.kind = ControlKind::CommandButton;
    d.caption = caption;
    d.tag = tag;
    d.toolTip = tip;
    return d;
}

forms::FormDef probeForm(const char *windowTag)
{
    forms::FormDef def;
    def.name = "frmProbe";
    def.caption = "probe";
    def.tag = windowTag;
    def.controls = {
        label("lblNumber", "design", "1023"),
        label("lblEmptyTag", "design", ""),
        label("lblLenientOnly", "design", "1034abc"),
        label("lblHalfDown", "design", "1000.5"),
        label("lblHalfUp", "design", "1001.5"),
        label("lblMissing", "design", "1999"),
        button("cmdLenient", "design", "1034abc", "1035"),
        button("cmdZero", "design", "0", "0"),
        button("cmdNegative", "design", "-1024", "-1"),
        button("cmdTipText", "design", "", "just a tip"),
    };
    ControlDef pic;
    pic.name = "picNoCaption";
    pic.kind = ControlKind::PictureBox;
    pic.tag = "1023";
    pic.toolTip = "1017";
    def.controls.push_back(pic);
    return def;
}

template <class T>
T *tagged(T *object, const char *name, const char *type, const char *form = "frmProbe")
{
    object->setObjectName(QString::fromLatin1(name));
    object->setProperty("typeName", QString::fromLatin1(type));
    object->setProperty("form", QString::fromLatin1(form));
    return object;
}

} // namespace

class TestApplyStringTable : public QObject {
    Q_OBJECT
private slots:
    void labelsAndOtherControls_data();
    void labelsAndOtherControls();
    void tooltipsOfOtherControls();
    void windowCaptionFromTag();
    void menusAndToolbars();
    void everyControlTakesTheWindowFont();
    void leavesOtherWindowsAlone();
};

void TestApplyStringTable::labelsAndOtherControls_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("caption");
    QTest::newRow("label with number") << "lblNumber" << QStringLiteral("版權");
    QTest::newRow("empty tag keeps caption") << "lblEmptyTag"
                                             << "design";
    QTest::newRow("label needs a whole number") << "lblLenientOnly"
                                                << "design";
    QTest::newRow("button reads the leading number") << "cmdLenient" << QStringLiteral("確定");
    QTest::newRow("half rounds down to even") << "lblHalfDown" << QStringLiteral("檔案(&F)");
    QTest::newRow("half rounds up to even") << "lblHalfUp" << QStringLiteral("開啟(&O)...");
    QTest::newRow("number without entry") << "lblMissing"
                                          << "design";
    QTest::newRow("zero is no entry") << "cmdZero"
                                      << "design";
    QTest::newRow("negative is no entry") << "cmdNegative"
                                          << "design";
}

void TestApplyStringTable::labelsAndOtherControls()
{
    QFETCH(QString, control);
    QFETCH(QString, caption);
    QWidget window;
    const auto built = forms::buildForm(probeForm(nullptr), &window);
    applyStringTable(&window);
    QCOMPARE(forms::caption(built.find(control)), caption);
}

void TestApplyStringTable::tooltipsOfOtherControls()
{
    QWidget window;
    const auto built = forms::buildForm(probeForm(nullptr), &window);
    applyStringTable(&window);
    QCOMPARE(forms::toolTip(built.find("cmdLenient")), QStringLiteral("取消"));
    QCOMPARE(forms::toolTip(built.find("cmdZero")), QStringLiteral("0"));
    QCOMPARE(forms::toolTip(built.find("cmdNegative")), QStringLiteral("-1"));
    QCOMPARE(forms::toolTip(built.find("cmdTipText")), QStringLiteral("just a tip"));
    // A picture box has no caption: that step is skipped, its tooltip still set.
    QCOMPARE(forms::toolTip(built.find("picNoCaption")), QStringLiteral("開啟舊檔"));
}

void TestApplyStringTable::windowCaptionFromTag()
{
    QWidget withTag, withoutTag, badTag;
    forms::buildForm(probeForm("1008"), &withTag);
    forms::buildForm(probeForm(nullptr), &withoutTag);
    forms::buildForm(probeForm("1008x"), &badTag);
    for (QWidget *w : {&withTag, &withoutTag, &badTag})
        applyStringTable(w);
    QCOMPARE(withTag.windowTitle(), QStringLiteral("檢視(&V)"));
    QCOMPARE(withoutTag.windowTitle(), QStringLiteral("probe"));
    QCOMPARE(badTag.windowTitle(), QStringLiteral("probe"));
}

void TestApplyStringTable::menusAndToolbars()
{
    QWidget window;
    forms::buildForm(probeForm(nullptr), &window);
    auto *known = tagged(new QAction(QStringLiteral("1001"), &window), "mnuKnown", "Menu");
    auto *unknown = tagged(new QAction(QStringLiteral("1999"), &window), "mnuUnknown", "Menu");
    auto *separator = tagged(new QAction(QStringLiteral("-"), &window), "mnuBar0", "Menu");
    separator->setSeparator(true);

    auto *bar = tagged(new QToolBar(&window), "tbProbe", "Toolbar");
    QAction *newButton = bar->addAction(QStringLiteral("開新檔案"));
    newButton->setToolTip(QStringLiteral("1016"));
    QAction *gap = bar->addSeparator();
    QAction *lenientTip = bar->addAction(QStringLiteral("x"));
    lenientTip->setToolTip(QStringLiteral("1017 "));

    applyStringTable(&window);
    QCOMPARE(known->text(), QStringLiteral("新增(&N)"));
    QCOMPARE(unknown->text(), QStringLiteral("1999"));
    QVERIFY(separator->isSeparator());
    QCOMPARE(separator->text(), QStringLiteral("-"));
    QCOMPARE(newButton->toolTip(), QStringLiteral("開新檔案"));
    QVERIFY(gap->isSeparator());
    QCOMPARE(lenientTip->toolTip(), QStringLiteral("開啟舊檔")); // blanks are allowed
}

void TestApplyStringTable::everyControlTakesTheWindowFont()
{
    QWidget window;
    QFont windowFont(QStringLiteral("Sans"), 9);
    window.setFont(windowFont);
    const auto built = forms::buildForm(probeForm(nullptr), &window);
    auto *lbl = built.get<QLabel>("lblNumber");
    QVERIFY(lbl->font().bold()); // the defined font, before loading
    applyStringTable(&window);
    QCOMPARE(lbl->font(), window.font());
    QCOMPARE(built.get<QPushButton>("cmdLenient")->font(), window.font());
    // No entries 20 and 21: the window's own font never changes.
    QCOMPARE(window.font(), windowFont);
}

void TestApplyStringTable::leavesOtherWindowsAlone()
{
    QWidget window;
    forms::buildForm(probeForm(nullptr), &window);
    auto *foreign =
        tagged(new QLabel(QStringLiteral("other"), &window), "lblForeign", "Label", "frmOther");
    foreign->setProperty("Tag", QStringLiteral("1023"));
    applyStringTable(&window);
    QCOMPARE(foreign->text(), QStringLiteral("other"));
}

PLIMSO_TEST_MAIN(TestApplyStringTable)
#include "tst_applystringtable.moc"
