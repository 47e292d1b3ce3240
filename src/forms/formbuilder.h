#pragma once
// Builds a window's controls from its definition. Every control carries its
// definition name as its Qt object name ("lblVersion"), its Tag as the
// property "Tag", its type name as "typeName" and its window's name as "form";
// controls without a caption also get their name as accessible name.
#include "forms/formdef.h"

#include <QObject>
#include <QString>
#include <vector>

class QWidget;

namespace forms {

struct BuiltForm {
    QWidget *window = nullptr;
    std::vector<QObject *> controls; // definition order

    QObject *find(const QString &objectName) const;
    template <class T> T *get(const QString &objectName) const
    {
        return qobject_cast<T *>(find(objectName));
    }
};

// Builds def's controls into window (the client-area widget) and applies the
// window's own settings: object name, Tag, caption, background and client size.
BuiltForm buildForm(const FormDef &def, QWidget *window);

// Caption and tooltip access across the control kinds; false when the control
// has no such property (a picture box has no caption).
bool hasCaption(const QObject *control);
QString caption(const QObject *control);
bool setCaption(QObject *control, const QString &text);
bool setToolTip(QObject *control, const QString &text);
QString toolTip(const QObject *control);

QColor resolve(const ColourDef &c, const QColor &fallback);

} // namespace forms
