// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/AboutDialog.h"

#include "dialogs/AboutBanner.h"
#include "dialogs/DialogPlacement.h"
#include "dialogs/HomeAddress.h"

#include <QCoreApplication>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

namespace orvane {

namespace {

constexpr QSize ClientSize {450, 202};
constexpr QSize BannerSize {453, 105};
constexpr int IconPixels = 41;

QFont TextFont(int pixels)
{
    QFont font(QStringLiteral("Tahoma"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixels);
    return font;
}

QLabel* AddLabel(QWidget* parent, const char* name, const QString& text, QPoint at, int pixels)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(TextFont(pixels));
    label->move(at);
    label->adjustSize();
    return label;
}

QLabel* AddPicture(QWidget* parent, const char* name, const QPixmap& picture, QRect at)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(at);
    label->setPixmap(picture);
    return label;
}

std::string LinkTarget(const std::string& helpFile)
{
    return HomeAddress.empty() ? helpFile : std::string(HomeAddress);
}

QString LinkCaption()
{
    return HomeAddress.empty()
        ? QCoreApplication::translate("AboutDialog", "Orvane Help")
        : QString::fromUtf8(HomeAddress.data(), qsizetype(HomeAddress.size()));
}

// Blue and underlined, as a link on the web looks.
QString Link(const char* name, const QString& caption)
{
    return QStringLiteral(
        "<a href=\"%1\" style=\"color:#0000ff; text-decoration:underline\">%2</a>")
        .arg(QString::fromLatin1(name), caption.toHtmlEscaped());
}

} // namespace

AboutDialog::AboutDialog(const QIcon& programIcon, const std::string& helpFile,
    const std::string& licenceFile, QWidget* parent) :
    QDialog(parent),
    homeTarget_(LinkTarget(helpFile)), licenceFile_(licenceFile)
{
    setWindowTitle(QCoreApplication::translate("AboutDialog", "About Orvane"));
    setWindowIcon(programIcon);
    // A fixed single border with the close box only.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(ClientSize);

    const qreal scale = devicePixelRatioF();
    AddPicture(this, "Banner", QPixmap::fromImage(DrawAboutBanner(BannerSize, scale)),
        QRect(QPoint(0, 0), BannerSize));
    AddPicture(this, "IconPicture", programIcon.pixmap(QSize(IconPixels, IconPixels), scale),
        QRect(8, 15, IconPixels, IconPixels));

    QLabel* name = AddLabel(this, "NameLabel", QStringLiteral("Orvane"), {55, 15}, 12);
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);
    name->adjustSize();
    AddLabel(this, "VersionLabel",
        QCoreApplication::translate("AboutDialog", "Version %1")
            .arg(QStringLiteral(ORVANE_VERSION)),
        {55, 32}, 12);
    AddLabel(this, "MakersLabel",
        QCoreApplication::translate("AboutDialog", "Made by the Orvane developers"), {55, 49}, 12);
    QLabel* licence = AddLabel(this, "Licence",
        QCoreApplication::translate("AboutDialog", "Free software: %1")
            .arg(Link("licence",
                QCoreApplication::translate("AboutDialog", "GNU GPL, version 3 or later"))),
        {55, 66}, 11);
    AddLabel(this, "ThanksLabel",
        QCoreApplication::translate(
            "AboutDialog", "Thanks to all who played, tested and lost to the A.I."),
        {80, 111}, 12);

    QLabel* home = AddLabel(this, "HomeLink", Link("home", LinkCaption()), {175, 138}, 13);
    home->setCursor(Qt::PointingHandCursor);
    for (QLabel* link : {licence, home}) {
        link->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
        connect(link, &QLabel::linkActivated, this, &AboutDialog::OpenLink);
    }

    auto* close = new QPushButton(QCoreApplication::translate("AboutDialog", "Close"), this);
    close->setObjectName(QStringLiteral("CloseButton"));
    close->setGeometry(245, 169, 75, 25);
    close->setDefault(true);
    close->setFocus();
    // Esc closes every dialog; Enter presses the default button.
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

void AboutDialog::OpenLink(const QString& link)
{
    if (OnOpenLink)
        OnOpenLink(link == QStringLiteral("licence") ? licenceFile_ : homeTarget_);
}

void AboutDialog::showEvent(QShowEvent* event)
{
    CentreOnDesktop(*this);
    QDialog::showEvent(event);
}

} // namespace orvane
