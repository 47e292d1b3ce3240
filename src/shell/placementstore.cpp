#include "shell/placementstore.h"

#include "forms/twips.h"
#include "shell/screenfit.h"

#include <QSettings>
#include <charconv>
#include <cmath>

namespace {
constexpr const char *kGroup = "Settings";
}

PlacementStore::PlacementStore()
    : m_settings(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                             QStringLiteral("plimso"), QStringLiteral("plimso")))
{
}

PlacementStore::PlacementStore(const QString &iniPath)
    : m_settings(std::make_unique<QSettings>(iniPath, QSettings::IniFormat))
{
}

PlacementStore::~PlacementStore() = default;

float PlacementStore::left() const
{
    return value("MainLeft", kDefaultLeft);
}
float PlacementStore::top() const
{
    return value("MainTop", kDefaultTop);
}
float PlacementStore::width() const
{
    return value("MainWidth", kDefaultWidth);
}
float PlacementStore::height() const
{
    return value("MainHeight", kDefaultHeight);
}

void PlacementStore::write(const QRectF &twips)
{
    store({{"MainLeft", twips.left()},
           {"MainTop", twips.top()},
           {"MainWidth", twips.width()},
           {"MainHeight", twips.height()}});
}

void PlacementStore::writeSize(const QSizeF &twips)
{
    store({{"MainWidth", twips.width()}, {"MainHeight", twips.height()}});
}

void PlacementStore::store(std::initializer_list<std::pair<const char *, qreal>> values)
{
    m_settings->beginGroup(QLatin1String(kGroup));
    for (const auto &[key, value] : values)
        m_settings->setValue(QLatin1String(key), format(float(value)));
    m_settings->endGroup();
    m_settings->sync();
}

QString PlacementStore::format(float value)
{
    // Fixed notation with the fewest digits that read back to the same float.
    char buf[64];
    const auto result = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
    return QString::fromLatin1(buf, int(result.ptr - buf));
}

bool PlacementStore::parse(const QString &text, float &value)
{
    bool ok = false;
    const float v = text.trimmed().toFloat(&ok);
    // toFloat accepts "inf" and "nan"; a huge value would overflow pixel arithmetic.
    if (!ok || !std::isfinite(v) || std::fabs(v) > kLimit) return false;
    value = v;
    return true;
}

float PlacementStore::value(const char *key, float fallback) const
{
    const QVariant stored =
        m_settings->value(QLatin1String(kGroup) + QLatin1Char('/') + QLatin1String(key));
    float v = fallback;
    if (stored.isValid() && parse(stored.toString(), v)) return v;
    return fallback;
}
