// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "support/TempDir.h"

#include <QDesktopServices>
#include <QObject>
#include <QUrl>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace orvane::testing {

// A desktop of the test's own: its desktop entries live in temporary XDG data folders,
// and a file handed to the desktop to open is recorded instead of launched.
class FakeDesktop : public QObject {
    Q_OBJECT
public:
    std::vector<std::string> opened;

    FakeDesktop()
    {
        setenv("XDG_DATA_HOME", home_.Path().c_str(), 1);
        setenv("XDG_DATA_DIRS", shared_.Path().c_str(), 1);
        QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "Open");
    }
    ~FakeDesktop() override
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        unsetenv("XDG_DATA_HOME");
        unsetenv("XDG_DATA_DIRS");
    }

    // Installs a viewer's desktop entry that declares the given MIME types.
    void RegisterViewer(const std::string& mimeTypes)
    {
        std::filesystem::create_directories(shared_.Path() / "applications");
        std::ofstream(shared_.Path() / "applications/reader.desktop")
            << "[Desktop Entry]\nType=Application\nName=Reader\nExec=reader %f\nMimeType="
            << mimeTypes << "\n";
    }

public slots:
    void Open(const QUrl& url) { opened.push_back(url.toLocalFile().toStdString()); }

private:
    TempDir home_, shared_;
};

} // namespace orvane::testing
