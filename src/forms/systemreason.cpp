#include "forms/systemreason.h"

#include <QCoreApplication>

QString systemReason(const QString &reason)
{
    // qt_error_string marks these texts for the context "QIODevice" but never
    // looks them up.
    return QCoreApplication::translate("QIODevice", reason.toUtf8().constData());
}
