#include "shell/qt/QtPlatform.h"

#include "shell/sound/SdlSound.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QUrl>

namespace orvane {

namespace {
const QString Title = QStringLiteral("Orvane");
}

QtPlatform::QtPlatform(QWidget& owner, SdlSoundPlayer& sound, std::vector<std::string> soundDirs) :
    owner_(owner), sound_(sound), soundDirs_(std::move(soundDirs))
{
}

bool QtPlatform::AskYesNo(const std::string& text)
{
    QMessageBox box(QMessageBox::Warning, Title, QString::fromStdString(text),
        QMessageBox::Yes | QMessageBox::No, &owner_);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void QtPlatform::ShowMessage(const std::string& text, MessageIcon icon)
{
    const auto qtIcon = icon == MessageIcon::Error ? QMessageBox::Critical
        : icon == MessageIcon::Warning             ? QMessageBox::Warning
                                                   : QMessageBox::Information;
    QMessageBox box(qtIcon, Title, QString::fromStdString(text), QMessageBox::Ok, &owner_);
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
    sound_.PlayFile(soundDirs_, name);
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
