// SPDX-FileCopyrightText: 2026 The Selvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A home folder of the test's own while it lives, with or without a Documents folder, and no
// user-dirs.dirs naming another documents folder: where the save dialogs offer their files.

#include <QDir>
#include <QTemporaryDir>

#include <utility>
#include <vector>

namespace selvane {

class ScopedHome {
public:
    explicit ScopedHome(bool withDocuments) {
        for (const char* name : {"HOME", "XDG_CONFIG_HOME"})
            m_saved.emplace_back(name, qgetenv(name));
        qputenv("HOME", m_home.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", m_home.filePath(".config").toLocal8Bit());
        if (withDocuments)
            QDir(m_home.path()).mkdir(QStringLiteral("Documents"));
    }
    ~ScopedHome() {
        for (const auto& [name, value] : m_saved)
            qputenv(name, value);
    }
    ScopedHome(const ScopedHome&) = delete;
    ScopedHome& operator=(const ScopedHome&) = delete;

    QString path() const { return m_home.path(); }

private:
    QTemporaryDir m_home;
    std::vector<std::pair<const char*, QByteArray>> m_saved;
};

} // namespace selvane
