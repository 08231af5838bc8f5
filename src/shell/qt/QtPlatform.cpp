#include "shell/qt/QtPlatform.h"

#include "shell/sound/SdlSound.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QUrl>

namespace orvane {

namespace {

const QString Title = QStringLiteral("Orvane");

} // namespace

// A box asked for from inside a dialog opens over that dialog.
QWidget* QtPlatform::BoxOwner() const
{
    QWidget* modal = QApplication::activeModalWidget();
    return modal ? modal : &owner_;
}

QtPlatform::QtPlatform(QWidget& owner, SdlSoundPlayer& sound, const std::string& appDir) :
    owner_(owner), sound_(sound), appDir_(appDir)
{
}

bool QtPlatform::AskYesNo(const std::string& text)
{
    QMessageBox box(QMessageBox::Warning, Title, QString::fromStdString(text),
        QMessageBox::Yes | QMessageBox::No, BoxOwner());
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void QtPlatform::ShowMessage(const std::string& text, MessageIcon icon)
{
    const auto qtIcon = icon == MessageIcon::Error ? QMessageBox::Critical
        : icon == MessageIcon::Warning             ? QMessageBox::Warning
                                                   : QMessageBox::Information;
    QMessageBox box(qtIcon, Title, QString::fromStdString(text), QMessageBox::Ok, BoxOwner());
    box.exec();
}

std::string QtPlatform::PromptText(
    const std::string& title, const std::string& prompt, const std::string& initial)
{
    bool ok = false;
    const QString text = QInputDialog::getText(&owner_, QString::fromStdString(title),
        QString::fromStdString(prompt), QLineEdit::Normal, QString::fromStdString(initial), &ok);
    return ok ? text.toStdString() : initial;
}

void QtPlatform::ApplyLayout()
{
    if (OnApplyLayout)
        OnApplyLayout();
}

void QtPlatform::RedrawNow()
{
    if (OnRedrawNow)
        OnRedrawNow();
}

void QtPlatform::PlaySoundFile(const std::string& name)
{
    sound_.PlayFile(appDir_, name);
}

void QtPlatform::PlayClickSound()
{
    sound_.PlayClick();
}

void QtPlatform::OpenDocument(const std::string& target)
{
    const QString text = QString::fromStdString(target);
    const QUrl url = QFileInfo(text).isAbsolute() ? QUrl::fromLocalFile(text) : QUrl(text);
    QDesktopServices::openUrl(url);
}

} // namespace orvane
