#include "forms/formbuilder.h"

#include "forms/twips.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <algorithm>

namespace forms {

const char *typeName(ControlKind kind)
{
    switch (kind) {
    case ControlKind::PictureBox:
        return "PictureBox";
    case ControlKind::CommandButton:
        return "CommandButton";
    case ControlKind::Label:
        return "Label";
    case ControlKind::Frame:
        return "Frame";
    }
    return "";
}

QString objectName(const ControlDef &def)
{
    return QString::fromUtf8(def.name);
}

QColor resolve(const ColourDef &c, const QColor &fallback)
{
    switch (c.kind) {
    case ColourDef::Kind::Unset:
        return fallback;
    case ColourDef::Kind::Rgb:
        return QColor::fromRgb(c.rgb);
    case ColourDef::Kind::System:
        return QApplication::palette().color(colours::paletteRole(c.system));
    }
    return fallback;
}

QObject *BuiltForm::find(const QString &objectName) const
{
    for (QObject *c : controls)
        if (c->objectName() == objectName) return c;
    return nullptr;
}

namespace {

QWidget *makeControl(const ControlDef &def, QWidget *parent)
{
    const QString caption = def.caption ? QString::fromUtf8(def.caption) : QString();
    switch (def.kind) {
    case ControlKind::PictureBox: {
        // A box that shows its background; what it holds is placed inside it.
        auto *box = new QWidget(parent);
        QPalette pal = box->palette();
        pal.setColor(QPalette::Window,
                     resolve(def.back, QApplication::palette().color(QPalette::Base)));
        box->setPalette(pal);
        box->setAutoFillBackground(true);
        box->setFocusPolicy(Qt::StrongFocus);
        return box;
    }
    case ControlKind::CommandButton:
        return new QPushButton(caption, parent);
    case ControlKind::Label: {
        auto *l = new QLabel(caption, parent);
        l->setAlignment(def.alignment | Qt::AlignTop);
        l->setWordWrap(!def.autoSize);
        l->setProperty("autoSize", def.autoSize);
        return l;
    }
    case ControlKind::Frame: {
        auto *g = new QGroupBox(caption, parent);
        g->setFocusPolicy(Qt::NoFocus);
        return g;
    }
    }
    return nullptr;
}

} // namespace

BuiltForm buildForm(const FormDef &def, QWidget *window)
{
    BuiltForm built;
    built.window = window;
    const QString formName = QString::fromUtf8(def.name);
    window->setObjectName(formName);
    window->setProperty("Tag", def.tag ? QString::fromUtf8(def.tag) : QString());
    window->setProperty("form", formName);
    if (def.caption) window->setWindowTitle(QString::fromUtf8(def.caption));
    if (def.back.kind != ColourDef::Kind::Unset) {
        QPalette pal = window->palette();
        pal.setColor(QPalette::Window, resolve(def.back, pal.color(QPalette::Window)));
        window->setPalette(pal);
        window->setAutoFillBackground(true);
    }
    if (def.clientWidth > 0 && def.clientHeight > 0)
        window->resize(twips::toPixels(def.clientWidth, def.clientHeight));

    std::vector<std::pair<int, QWidget *>> tabbable;
    for (const ControlDef &c : def.controls) {
        QWidget *parent = window;
        if (c.container)
            if (auto *p = built.get<QWidget>(QString::fromUtf8(c.container))) parent = p;
        QWidget *w = makeControl(c, parent);
        const QString name = objectName(c);
        w->setObjectName(name);
        w->setProperty("Tag", c.tag ? QString::fromUtf8(c.tag) : QString());
        w->setProperty("typeName", QString::fromLatin1(typeName(c.kind)));
        w->setProperty("form", formName);
        if (!c.caption) w->setAccessibleName(name);
        if (c.toolTip) w->setToolTip(QString::fromUtf8(c.toolTip));
        if (c.font.family) {
            QFont f(QString::fromUtf8(c.font.family));
            f.setPointSizeF(c.font.pointSize);
            f.setBold(c.font.bold);
            w->setFont(f);
        }
        w->setGeometry(twips::toPixels(QRectF(c.left, c.top, c.width, c.height)));
        if (c.tabIndex >= 0 && w->focusPolicy() != Qt::NoFocus)
            tabbable.emplace_back(c.tabIndex, w);
        built.controls.push_back(w);
    }
    std::stable_sort(tabbable.begin(), tabbable.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    for (size_t i = 1; i < tabbable.size(); ++i)
        QWidget::setTabOrder(tabbable[i - 1].second, tabbable[i].second);
    return built;
}

bool hasCaption(const QObject *control)
{
    return qobject_cast<const QLabel *>(control) ||
           qobject_cast<const QAbstractButton *>(control) ||
           qobject_cast<const QGroupBox *>(control) || qobject_cast<const QAction *>(control) ||
           (control->isWidgetType() && static_cast<const QWidget *>(control)->isWindow());
}

QString caption(const QObject *control)
{
    if (auto *l = qobject_cast<const QLabel *>(control)) return l->text();
    if (auto *b = qobject_cast<const QAbstractButton *>(control)) return b->text();
    if (auto *g = qobject_cast<const QGroupBox *>(control)) return g->title();
    if (auto *a = qobject_cast<const QAction *>(control)) return a->text();
    if (control->isWidgetType()) return static_cast<const QWidget *>(control)->windowTitle();
    return QString();
}

bool setCaption(QObject *control, const QString &text)
{
    if (auto *l = qobject_cast<QLabel *>(control)) {
        l->setText(text);
        if (l->property("autoSize").toBool()) {
            // A label that sizes itself grows away from the side it is aligned to.
            const int right = l->x() + l->width();
            l->adjustSize();
            if (l->alignment() & Qt::AlignRight) l->move(right - l->width(), l->y());
        }
        l->setAccessibleName(QString(text).remove(QLatin1Char('&')));
        return true;
    }
    if (auto *b = qobject_cast<QAbstractButton *>(control)) return b->setText(text), true;
    if (auto *g = qobject_cast<QGroupBox *>(control)) return g->setTitle(text), true;
    if (auto *a = qobject_cast<QAction *>(control)) return a->setText(text), true;
    if (control->isWidgetType() && static_cast<QWidget *>(control)->isWindow())
        return static_cast<QWidget *>(control)->setWindowTitle(text), true;
    return false;
}

bool setToolTip(QObject *control, const QString &text)
{
    if (auto *a = qobject_cast<QAction *>(control)) return a->setToolTip(text), true;
    if (control->isWidgetType()) return static_cast<QWidget *>(control)->setToolTip(text), true;
    return false;
}

QString toolTip(const QObject *control)
{
    if (auto *a = qobject_cast<const QAction *>(control)) return a->toolTip();
    if (control->isWidgetType()) return static_cast<const QWidget *>(control)->toolTip();
    return QString();
}

} // namespace forms
