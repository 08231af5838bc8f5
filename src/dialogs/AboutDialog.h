// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDialog>

#include <functional>
#include <string>

class QIcon;

namespace orvane {

// The About box: the program's name, version, maker and credits over a banner, the
// program icon, the licence's name linked to its text, a link to the project's home and
// a Close button that Enter and Esc press. Created once, shown modally with exec() and
// hidden again between uses.
// Its parts carry the names Banner, IconPicture, NameLabel, VersionLabel, MakersLabel,
// Licence, ThanksLabel, HomeLink and CloseButton.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    AboutDialog(const QIcon& programIcon, const std::string& helpFile,
        const std::string& licenceFile, QWidget* parent = nullptr);

    // Hands the link's target, an address or a file, to the desktop's viewer.
    std::function<void(const std::string& target)> OnOpenLink;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void OpenLink(const QString& link);

    std::string homeTarget_;
    std::string licenceFile_;
};

} // namespace orvane
