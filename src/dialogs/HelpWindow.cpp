// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/HelpWindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRegularExpression>
#include <QSplitter>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace orvane {

namespace {

constexpr int PageRole = Qt::UserRole;

QString Param(const QString& object, const QString& name)
{
    const QRegularExpression param(
        QStringLiteral("<param\\s+name=\"%1\"\\s+value=\"([^\"]*)\"").arg(name),
        QRegularExpression::CaseInsensitiveOption);
    return param.match(object).captured(1);
}

// The topics of a contents file as a tree: each <UL> opens a level below the topic
// before it.
void ReadContents(const QString& text, QTreeWidget& tree)
{
    const QRegularExpression token(
        QStringLiteral("<(ul)\\b[^>]*>|<(/ul)\\s*>|<object\\b[^>]*>(.*?)</object>"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    QList<QTreeWidgetItem*> parents {nullptr};
    QTreeWidgetItem* last = nullptr;
    for (auto it = token.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        if (match.capturedLength(1) > 0) {
            parents.append(last);
        } else if (match.capturedLength(2) > 0) {
            if (parents.size() > 1)
                parents.removeLast();
        } else {
            last
                = parents.last() ? new QTreeWidgetItem(parents.last()) : new QTreeWidgetItem(&tree);
            last->setText(0, Param(match.captured(3), QStringLiteral("Name")));
            last->setData(0, PageRole, Param(match.captured(3), QStringLiteral("Local")));
        }
    }
}

} // namespace

HelpWindow::HelpWindow(QWidget* parent) :
    QDialog(parent), contents_(new QTreeWidget), pages_(new QTextBrowser)
{
    setWindowTitle(QCoreApplication::translate("HelpWindow", "Orvane Help"));
    setModal(false);
    contents_->setObjectName(QStringLiteral("Contents"));
    contents_->setHeaderHidden(true);
    pages_->setObjectName(QStringLiteral("Pages"));
    pages_->setOpenExternalLinks(true);

    auto* back = new QPushButton(QCoreApplication::translate("HelpWindow", "&Back"));
    auto* forward = new QPushButton(QCoreApplication::translate("HelpWindow", "&Forward"));
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(back, &QPushButton::clicked, pages_, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, pages_, &QTextBrowser::forward);
    connect(pages_, &QTextBrowser::backwardAvailable, back, &QWidget::setEnabled);
    connect(pages_, &QTextBrowser::forwardAvailable, forward, &QWidget::setEnabled);
    connect(pages_, &QTextBrowser::sourceChanged, this, &HelpWindow::SelectCurrentTopic);
    connect(contents_, &QTreeWidget::itemClicked, this,
        [this](QTreeWidgetItem* item) { ShowPage(item->data(0, PageRole).toString()); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addStretch();
    auto* splitter = new QSplitter;
    splitter->addWidget(contents_);
    splitter->addWidget(pages_);
    splitter->setSizes({200, 520});
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(splitter);
    resize(760, 540);
}

bool HelpWindow::ShowPages(const QString& folder)
{
    QFile file(QDir(folder).filePath(QStringLiteral("contents.hhc")));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    folder_ = folder;
    contents_->clear();
    ReadContents(QString::fromUtf8(file.readAll()), *contents_);
    contents_->expandAll();
    pages_->clearHistory();
    if (contents_->topLevelItemCount() > 0)
        ShowPage(contents_->topLevelItem(0)->data(0, PageRole).toString());
    show();
    raise();
    activateWindow();
    return true;
}

void HelpWindow::ShowPage(const QString& page)
{
    if (!page.isEmpty())
        pages_->setSource(QUrl::fromLocalFile(QDir(folder_).filePath(page)));
}

// The contents follow the page shown, however it was reached.
void HelpWindow::SelectCurrentTopic(const QUrl& source)
{
    const QString page = source.fileName();
    for (QTreeWidgetItemIterator it(contents_); *it; ++it)
        if ((*it)->data(0, PageRole).toString() == page)
            return contents_->setCurrentItem(*it);
}

} // namespace orvane
