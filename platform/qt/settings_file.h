// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/qt/choosers.h"

#include <QColor>
#include <QString>
#include <QVariant>
#include <QVector>
#include <optional>
#include <utility>

namespace besedka {

// The choices a user keeps between starts, in an INI file of Qt's settings. A file is the user's
// to edit and may hold anything: each value is checked as it is read, and one that is missing,
// garbled or out of range reads as nothing, so that the caller keeps its start value. Reading never
// writes; a save replaces the whole file atomically with exactly the values given.
class SettingsFile {
public:
    // $XDG_CONFIG_HOME/besedka/besedka.conf, else ~/.config/besedka/besedka.conf.
    static QString userFile();

    explicit SettingsFile(QString path = userFile());

    const QString& path() const { return path_; }

    std::optional<QColor> color(const QString& key) const;
    // A font whose size the chooser would not offer reads as nothing.
    std::optional<FontSpec> font(const QString& key, const FontChoice& offered) const;
    // Text without control characters, as a path may hold.
    std::optional<QString> text(const QString& key) const;
    std::optional<int> number(const QString& key, int lowest, int highest) const;
    std::optional<bool> flag(const QString& key) const;

    // The values of the next save.
    void putColor(const QString& key, const QColor& color);
    void putFont(const QString& key, const FontSpec& font);
    void putText(const QString& key, const QString& text);
    void putNumber(const QString& key, int number);
    void putFlag(const QString& key, bool flag);

    // Writes the values put since the last save in place of everything the file held, garbled or
    // not, making its folder when needed. False when they could not be kept.
    bool save();
    // Removes the file. False when it is there still.
    bool forget();

private:
    QVariant value(const QString& key) const;

    QString path_;
    QVector<std::pair<QString, QVariant>> pending_;
};

} // namespace besedka
