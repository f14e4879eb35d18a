// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A settings store in memory that records the order of its writes, can lack its key and can
// fail to keep what is written; names match without case, as in the real store.

#include "core/settingsstore.h"

#include <QMap>
#include <QStringList>

namespace selvane {

class RecordingStore final : public SettingsStore {
public:
    bool exists = false;           // the key is there (a first run starts without it)
    bool writable = true;          // commit() keeps the writes
    QMap<QString, QString> values; // lower-case name -> text
    QStringList writes;

    bool keyExists() const override { return exists; }
    void createKey() override { exists = true; }
    QString read(const QString& name) const override { return values.value(name.toLower()); }
    void write(const QString& name, const QString& value) override {
        writes << name;
        values[name.toLower()] = value;
    }
    bool commit() override { return writable; }
    QString location() const override { return QStringLiteral("/test/Selvane.ini"); }
};

} // namespace selvane
