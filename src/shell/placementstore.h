#pragma once
// The frame's remembered placement in the per-user settings: left, top, outer
// width and outer height in twips, under application "plimso", group "Settings".
// Values are stored as text, the shortest decimal form of a single-precision
// number ("1500", "1234.5"). A stored value that is absent, not a number, not
// finite or too large to be a screen coordinate reads as that value's default.
#include <QCoreApplication>
#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <initializer_list>
#include <memory>
#include <utility>

class QSettings;

class PlacementStore {
    Q_DECLARE_TR_FUNCTIONS(PlacementStore)

public:
    static constexpr float kDefaultLeft = 1000;
    static constexpr float kDefaultTop = 1000;
    static constexpr float kDefaultWidth = 6500;
    static constexpr float kDefaultHeight = 6500;
    // Beyond this many twips a value cannot be a window coordinate.
    static constexpr float kLimit = 16777216; // 2^24: every whole number below is exact

    // The user's settings: plimso/plimso.conf in the user's configuration
    // folder (shell/userfolders.h), ~/.config/plimso/plimso.conf by default.
    PlacementStore();
    // An explicit settings file, for tests; empty for none.
    explicit PlacementStore(const QString &iniPath);
    ~PlacementStore();

    // The settings file, or empty when there is no configuration folder.
    static QString userSettingsFile();

    // The settings are read only from a regular file (or a link to one),
    // found without waiting: a FIFO or a device in its place would hold the
    // program up for ever. Without one the values read as their defaults and
    // nothing is written. When something else stands in the file's place,
    // this is the line to tell the user (in the user's language), naming the
    // file and why it was not read; empty otherwise.
    QString readProblem() const;

    float left() const;
    float top() const;
    float width() const;
    float height() const;
    QRectF read() const { return QRectF(left(), top(), width(), height()); }

    // How long a write waits for another process to release the settings'
    // lock file (QSettings alone would wait for ever).
    static constexpr int kLockWaitMs = 2000;

    // Writes the four values in the order left, top, width, height. Returns
    // an empty string when they were saved, else the line to tell the user (in
    // the user's language): that the placement could not be saved, the
    // settings file and the reason the file system gives (a full disk
    // included), that the file or its lock file is not a regular file, that
    // the lock file stayed taken, or that there is no configuration folder.
    [[nodiscard]] QString write(const QRectF &twips);
    // Writes width and height only: a stored left and top stay as they were
    // (or absent). Returns as write does.
    [[nodiscard]] QString writeSize(const QSizeF &twips);

    // Text form of a stored value and its reading; nothing when unusable.
    static QString format(float value);
    static bool parse(const QString &text, float &value);

private:
    float value(const char *key, float fallback) const;
    // Writes the values in the order given, under [Settings].
    QString store(std::initializer_list<std::pair<const char *, qreal>> values);

    QString m_file;
    QString m_problem;                     // why there are no settings to use; empty when there are
    std::unique_ptr<QSettings> m_settings; // null without a regular file to use
};
