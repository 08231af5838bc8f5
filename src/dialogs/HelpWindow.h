// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDialog>

class QTextBrowser;
class QTreeWidget;

namespace orvane {

// The program's own help window, for desktops without a viewer for the compiled help
// file: the pages it is compiled from, with their contents on the left and the page on
// the right, links followed inside the window. Not modal, so the game can be played
// while it is open. Its parts carry the names Contents and Pages.
class HelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the pages of a folder holding "contents.hhc" and the pages it lists, at the
    // first page. False, with the window left as it was, when the folder has no contents.
    bool ShowPages(const QString& folder);

private:
    void ShowPage(const QString& page);
    void SelectCurrentTopic(const QUrl& source);

    QTreeWidget* contents_;
    QTextBrowser* pages_;
    QString folder_;
};

} // namespace orvane
