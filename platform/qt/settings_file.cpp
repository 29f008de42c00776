// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/settings_file.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <algorithm>

namespace besedka {

namespace {

// Every value is written as text, so that the file reads well and reads back the same.
QString flagText(bool flag) {
    return flag ? QStringLiteral("true") : QStringLiteral("false");
}

bool holdsControlCharacter(const QString& text) {
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7F; });
}

QString fontKey(const QString& key, const char* part) {
    return key + u'/' + QLatin1String(part);
}

} // namespace

QString SettingsFile::userFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/besedka/besedka.conf");
}

SettingsFile::SettingsFile(QString path) : path_(std::move(path)) {}

QVariant SettingsFile::value(const QString& key) const {
    return QSettings(path_, QSettings::IniFormat).value(key);
}

std::optional<QColor> SettingsFile::color(const QString& key) const {
    static const QRegularExpression rgb(QStringLiteral("^#[0-9A-Fa-f]{6}$"));
    const QString text = value(key).toString();
    if (!rgb.match(text).hasMatch())
        return std::nullopt;
    return QColor(text);
}

std::optional<FontSpec> SettingsFile::font(const QString& key, const FontChoice& offered) const {
    const auto name = text(fontKey(key, "name"));
    const auto size = number(fontKey(key, "size"), offered.smallestSize, offered.largestSize);
    const auto bold = flag(fontKey(key, "bold"));
    const auto italic = flag(fontKey(key, "italic"));
    const auto underline = flag(fontKey(key, "underline"));
    const auto strikeOut = flag(fontKey(key, "strikeOut"));
    if (!name || name->isEmpty() || !size || !bold || !italic || !underline || !strikeOut)
        return std::nullopt;
    if (!offered.effects && (*underline || *strikeOut))
        return std::nullopt;
    return FontSpec{*name, *size, *bold, *italic, *underline, *strikeOut};
}

std::optional<QString> SettingsFile::text(const QString& key) const {
    const QVariant stored = value(key);
    if (stored.typeId() != QMetaType::QString || holdsControlCharacter(stored.toString()))
        return std::nullopt;
    return stored.toString();
}

std::optional<int> SettingsFile::number(const QString& key, int lowest, int highest) const {
    bool isNumber = false;
    const int stored = value(key).toString().toInt(&isNumber);
    if (!isNumber || stored < lowest || stored > highest)
        return std::nullopt;
    return stored;
}

std::optional<bool> SettingsFile::flag(const QString& key) const {
    const QString stored = value(key).toString();
    if (stored != flagText(true) && stored != flagText(false))
        return std::nullopt;
    return stored == flagText(true);
}

void SettingsFile::putColor(const QString& key, const QColor& color) {
    pending_.append({key, color.name(QColor::HexRgb)});
}

void SettingsFile::putFont(const QString& key, const FontSpec& font) {
    putText(fontKey(key, "name"), font.name);
    putNumber(fontKey(key, "size"), font.pointSize);
    putFlag(fontKey(key, "bold"), font.bold);
    putFlag(fontKey(key, "italic"), font.italic);
    putFlag(fontKey(key, "underline"), font.underline);
    putFlag(fontKey(key, "strikeOut"), font.strikeOut);
}

void SettingsFile::putText(const QString& key, const QString& text) {
    pending_.append({key, text});
}

void SettingsFile::putNumber(const QString& key, int number) {
    pending_.append({key, QString::number(number)});
}

void SettingsFile::putFlag(const QString& key, bool flag) {
    pending_.append({key, flagText(flag)});
}

bool SettingsFile::save() {
    {
        QSettings settings(path_, QSettings::IniFormat);
        // A file the user garbled is replaced, not merged with.
        settings.clear();
        for (const auto& [key, stored] : std::as_const(pending_))
            settings.setValue(key, stored);
        pending_.clear();
        settings.sync();
        if (settings.status() == QSettings::AccessError)
            return false;
    }
    // Qt keeps only the first error it meets: the format error of a garbled file it read hides a
    // write that failed after it. A failed write stays pending, so a fresh look at the file, which
    // tries it again, tells.
    return QSettings(path_, QSettings::IniFormat).status() == QSettings::NoError;
}

bool SettingsFile::forget() {
    QFile::remove(path_);
    return !QFile::exists(path_);
}

} // namespace besedka
