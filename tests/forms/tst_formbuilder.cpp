#include "forms/formbuilder.h"
#include "support/testenv.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace forms;

// Building a window from its definition: names, properties, containers,
// geometry, accessible names, tab order, colours, captions and tooltips.
class TstFormBuilder : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void controlsInDefinitionOrderWithNames();
    void windowSettings();
    void propertiesOfEachControl_data();
    void propertiesOfEachControl();
    void containersBecomeParents();
    void geometryFromTwips_data();
    void geometryFromTwips();
    void captionlessControlsAreNamedForAccessibility();
    void tabOrderFollowsTabIndex();
    void coloursAreResolved();
    void resolveColourDefinitions_data();
    void resolveColourDefinitions();
    void labelSettings();
    void captionAndToolTipForEachKind_data();
    void captionAndToolTipForEachKind();
    void autoSizeLabelFitsNewCaption();
    void eachWindowBuildsItsOwnControls();

private:
    static FormDef definition();
    QWidget *m_window = nullptr;
    BuiltForm m_built;
};

namespace {

ControlDef control(const char *name, ControlKind kind, const char *container, QRectF twips,
                   int tabIndex = -1)
{
    ControlDef c{};
    c.name = name;
    c.kind = kind;
    c.container = container;
    c.left = twips.left();
    c.top = twips.top();
    c.width = twips.width();
    c.height = twips.height();
    c.tabIndex = tabIndex;
    return c;
}

} // namespace

// A small window: a picture box, two buttons, a frame holding a label with a
// Tag, and a second picture box.
FormDef TstFormBuilder::definition()
{
    FormDef def{};
    def.name = "frmTest";
    def.caption = "frmTest caption";
    def.clientWidth = 6000;
    def.clientHeight = 4500;
    def.back = ColourDef::fromRgb(255, 255, 128);
    def.tag = "window tag";

    ControlDef picA = control("PicA", ControlKind::PictureBox, nullptr, {240, 240, 3000, 2000}, 2);
    picA.back = ColourDef::fromSystem(colours::System::WindowBackground);
    picA.fore = ColourDef::fromSystem(colours::System::WindowText);
    def.controls.push_back(picA);
    ControlDef test =
        control("CmdTest", ControlKind::CommandButton, nullptr, {3360, 2400, 1695, 1095}, 1);
    test.caption = "Test";
    def.controls.push_back(test);
    ControlDef refresh =
        control("CmdB", ControlKind::CommandButton, nullptr, {1000, 2400, 1575, 1095}, 0);
    refresh.caption = "Refresh";
    def.controls.push_back(refresh);
    def.controls.push_back(
        control("fraMain", ControlKind::Frame, nullptr, {3300, -15, 2500, 2100}, 0));
    ControlDef label =
        control("lblVersion", ControlKind::Label, "fraMain", {1500, 300, 510, 240}, 3);
    label.caption = "版本";
    label.tag = "1026";
    label.alignment = Qt::AlignRight;
    label.autoSize = true;
    label.font = FontDef{"新細明體", 12, true};
    def.controls.push_back(label);
    ControlDef picB = control("PicB", ControlKind::PictureBox, nullptr, {240, 3700, 2000, 700}, 4);
    picB.back = ColourDef::fromRgb(255, 255, 0);
    def.controls.push_back(picB);
    return def;
}

void TstFormBuilder::init()
{
    m_window = new QWidget;
    m_built = buildForm(definition(), m_window);
}

void TstFormBuilder::cleanup()
{
    delete m_window;
    m_window = nullptr;
    m_built = BuiltForm();
}

void TstFormBuilder::controlsInDefinitionOrderWithNames()
{
    QStringList names;
    for (QObject *c : m_built.controls)
        names << c->objectName();
    QCOMPARE(names,
             QStringList({"PicA", "CmdTest", "CmdB", "fraMain", "lblVersion", "PicB"}));
    QCOMPARE(m_built.window, m_window);
    QVERIFY(!m_built.find("imgGreen"));
    QVERIFY(!m_built.get<QLabel>("CmdTest")); // wrong type
}

void TstFormBuilder::windowSettings()
{
    QCOMPARE(m_window->objectName(), QStringLiteral("frmTest"));
    QCOMPARE(m_window->property("Tag").toString(), QStringLiteral("window tag"));
    QCOMPARE(m_window->property("form").toString(), QStringLiteral("frmTest"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("frmTest caption"));
    QCOMPARE(m_window->size(), QSize(400, 300));
    QVERIFY(m_window->autoFillBackground());
    QCOMPARE(m_window->palette().color(QPalette::Window), QColor(255, 255, 128));
}

void TstFormBuilder::propertiesOfEachControl_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("typeName");
    QTest::addColumn<QString>("tag");
    QTest::newRow("picture box") << "PicA"
                                 << "PictureBox"
                                 << "";
    QTest::newRow("button") << "CmdTest"
                            << "CommandButton"
                            << "";
    QTest::newRow("frame") << "fraMain"
                           << "Frame"
                           << "";
    QTest::newRow("label with Tag") << "lblVersion"
                                    << "Label"
                                    << "1026";
}

void TstFormBuilder::propertiesOfEachControl()
{
    QFETCH(QString, name);
    QFETCH(QString, typeName);
    QFETCH(QString, tag);
    QObject *c = m_built.find(name);
    QVERIFY(c);
    QCOMPARE(c->property("typeName").toString(), typeName);
    QVERIFY(c->property("Tag").isValid());
    QCOMPARE(c->property("Tag").toString(), tag);
    QCOMPARE(c->property("form").toString(), QStringLiteral("frmTest"));
}

void TstFormBuilder::containersBecomeParents()
{
    auto *frame = m_built.get<QGroupBox>("fraMain");
    QVERIFY(frame);
    QCOMPARE(m_built.get<QWidget>("lblVersion")->parentWidget(), frame);
    for (const char *top : {"PicA", "CmdTest", "CmdB", "fraMain", "PicB"})
        QCOMPARE(m_built.get<QWidget>(top)->parentWidget(), m_window);
}

void TstFormBuilder::geometryFromTwips_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("pixels");
    QTest::newRow("PicA") << "PicA" << QRect(16, 16, 200, 133);
    QTest::newRow("CmdTest") << "CmdTest" << QRect(224, 160, 113, 73);
    QTest::newRow("frame above the client area") << "fraMain" << QRect(220, -1, 167, 140);
    QTest::newRow("label inside the frame") << "lblVersion" << QRect(100, 20, 34, 16);
}

void TstFormBuilder::geometryFromTwips()
{
    QFETCH(QString, name);
    QFETCH(QRect, pixels);
    auto *w = m_built.get<QWidget>(name);
    QVERIFY(w);
    QCOMPARE(w->geometry(), pixels);
}

void TstFormBuilder::captionlessControlsAreNamedForAccessibility()
{
    for (const char *name : {"PicA", "fraMain", "PicB"})
        QCOMPARE(m_built.get<QWidget>(name)->accessibleName(), QString::fromLatin1(name));
    // Captioned controls are known by their caption instead.
    QCOMPARE(m_built.get<QWidget>("CmdTest")->accessibleName(), QString());
    QCOMPARE(m_built.get<QWidget>("lblVersion")->accessibleName(), QString());
}

void TstFormBuilder::tabOrderFollowsTabIndex()
{
    m_window->show();
    QApplication::setActiveWindow(m_window);
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    // Labels and frames never take the focus.
    for (const char *name : {"fraMain", "lblVersion"})
        QCOMPARE(m_built.get<QWidget>(name)->focusPolicy() & Qt::TabFocus, 0);

    m_built.get<QWidget>("CmdB")->setFocus();
    QStringList visited;
    for (int i = 0; i < 4; ++i) {
        visited << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    visited << QApplication::focusWidget()->objectName();
    QCOMPARE(visited, QStringList({"CmdB", "CmdTest", "PicA", "PicB", "CmdB"}));
}

void TstFormBuilder::coloursAreResolved()
{
    const QPalette pal = QApplication::palette();
    auto *picA = m_built.get<QWidget>("PicA");
    auto *picB = m_built.get<QWidget>("PicB");
    QCOMPARE(picA->palette().color(QPalette::Window),
             pal.color(colours::paletteRole(colours::System::WindowBackground)));
    QCOMPARE(picB->palette().color(QPalette::Window), QColor(255, 255, 0));
    QVERIFY(picA->autoFillBackground());
}

void TstFormBuilder::resolveColourDefinitions_data()
{
    QTest::addColumn<int>("kind"); // 0 unset, 1 RGB, 2 system
    QTest::addColumn<QColor>("rgbOrFallback");
    QTest::addColumn<int>("system");
    QTest::newRow("unset gives the fallback") << 0 << QColor(1, 2, 3) << 0;
    QTest::newRow("RGB light yellow") << 1 << QColor(255, 255, 128) << 0;
    QTest::newRow("RGB black") << 1 << QColor(0, 0, 0) << 0;
    QTest::newRow("system 5") << 2 << QColor() << int(colours::System::WindowBackground);
    QTest::newRow("system 9") << 2 << QColor() << int(colours::System::TitleBarText);
    QTest::newRow("system 15") << 2 << QColor() << int(colours::System::ButtonFace);
    QTest::newRow("system 18") << 2 << QColor() << int(colours::System::ButtonText);
}

void TstFormBuilder::resolveColourDefinitions()
{
    QFETCH(int, kind);
    QFETCH(QColor, rgbOrFallback);
    QFETCH(int, system);
    const QColor fallback(1, 2, 3);
    if (kind == 0) {
        QCOMPARE(resolve(ColourDef::unset(), fallback), fallback);
    } else if (kind == 1) {
        const QColor c = rgbOrFallback;
        QCOMPARE(resolve(ColourDef::fromRgb(c.red(), c.green(), c.blue()), fallback), c);
    } else {
        const auto s = colours::System(system);
        QCOMPARE(resolve(ColourDef::fromSystem(s), fallback),
                 QApplication::palette().color(colours::paletteRole(s)));
    }
}

void TstFormBuilder::labelSettings()
{
    auto *label = m_built.get<QLabel>("lblVersion");
    QCOMPARE(label->text(), QStringLiteral("版本"));
    QVERIFY(label->alignment() & Qt::AlignRight);
    QVERIFY(!label->wordWrap()); // sizes itself to its text
    QCOMPARE(label->font().family(), QStringLiteral("新細明體"));
    QCOMPARE(label->font().pointSizeF(), 12.0);
    QVERIFY(label->font().bold());
}

void TstFormBuilder::captionAndToolTipForEachKind_data()
{
    QTest::addColumn<QString>("name"); // "" for the window, "action" for a menu action
    QTest::addColumn<bool>("captioned");
    QTest::newRow("label") << "lblVersion" << true;
    QTest::newRow("button") << "CmdTest" << true;
    QTest::newRow("frame") << "fraMain" << true;
    QTest::newRow("window") << "" << true;
    QTest::newRow("action") << "action" << true;
    QTest::newRow("picture box") << "PicA" << false;
}

void TstFormBuilder::captionAndToolTipForEachKind()
{
    QFETCH(QString, name);
    QFETCH(bool, captioned);
    QAction action(QStringLiteral("&Old"), m_window);
    QObject *c = name.isEmpty() ? m_window : name == "action" ? &action : m_built.find(name);
    QVERIFY(c);
    const QString before = caption(c);
    QCOMPARE(hasCaption(c), captioned);
    QCOMPARE(setCaption(c, QStringLiteral("新的(&N)")), captioned);
    QCOMPARE(caption(c), captioned ? QStringLiteral("新的(&N)") : before);
    QVERIFY(setToolTip(c, QStringLiteral("提示")));
    QCOMPARE(toolTip(c), QStringLiteral("提示"));
}

void TstFormBuilder::autoSizeLabelFitsNewCaption()
{
    auto *label = m_built.get<QLabel>("lblVersion");
    const int before = label->width();
    QVERIFY(setCaption(label, QStringLiteral("版本 1.0.0 (&V) 一個很長的標題")));
    QVERIFY(label->width() > before);
    QCOMPARE(label->accessibleName(), QStringLiteral("版本 1.0.0 (V) 一個很長的標題"));

    // A label that does not size itself keeps its defined size.
    QLabel fixed(QStringLiteral("x"), m_window);
    fixed.setGeometry(0, 0, 30, 16);
    QVERIFY(setCaption(&fixed, QStringLiteral("a much longer caption than before")));
    QCOMPARE(fixed.size(), QSize(30, 16));
}

void TstFormBuilder::eachWindowBuildsItsOwnControls()
{
    QWidget other;
    const BuiltForm again = buildForm(definition(), &other);
    QCOMPARE(again.controls.size(), m_built.controls.size());
    for (size_t i = 0; i < again.controls.size(); ++i) {
        QVERIFY(again.controls[i] != m_built.controls[i]);
        QCOMPARE(again.controls[i]->objectName(), m_built.controls[i]->objectName());
        QCOMPARE(qobject_cast<QWidget *>(again.controls[i])->window(), &other);
    }
}

PLIMSO_TEST_MAIN(TstFormBuilder)
#include "tst_formbuilder.moc"
