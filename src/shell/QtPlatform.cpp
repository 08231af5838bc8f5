// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/QtPlatform.h"

#include "dialogs/HelpWindow.h"
#include "dialogs/TranslatedText.h"
#include "platform/DesktopViewers.h"
#include "sound/SdlSound.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QUrl>

#include <cstdio>

namespace orvane {

namespace {

const QString Title = QStringLiteral("Orvane");

bool IsHelpFile(const QFileInfo& file)
{
    return file.suffix().compare(QStringLiteral("chm"), Qt::CaseInsensitive) == 0;
}

// The help file's MIME type by the shared MIME database's name and its older alias;
// a viewer may declare either.
bool DesktopHasHelpViewer()
{
    return HasDesktopViewer(
        {"application/vnd.ms-htmlhelp", "application/x-chm"}, DesktopDataDirs());
}

} // namespace

// A box asked for from inside a dialog opens over that dialog.
QWidget* QtPlatform::BoxOwner() const
{
    QWidget* modal = QApplication::activeModalWidget();
    return modal ? modal : &owner_;
}

QtPlatform::QtPlatform(QWidget& owner, SdlSoundPlayer& sound, std::vector<std::string> soundDirs) :
    owner_(owner), sound_(sound), soundDirs_(std::move(soundDirs))
{
    soundDone_.setSingleShot(true);
    QObject::connect(&soundDone_, &QTimer::timeout, [this] { CloseSoundWhenDone(); });
}

// Sounds last a second or two; the device closes a while after the last one ended, so a
// quick run of sounds keeps it open.
void QtPlatform::CloseSoundWhenDone()
{
    if (sound_.SoundWaiting()) {
        sound_.PlayWaitingSound();
        AfterSound();
        return;
    }
    if (!sound_.CloseWhenSilent())
        soundDone_.start(500);
}

// A sound that waits for the sound system to start is tried again soon.
void QtPlatform::AfterSound()
{
    soundDone_.start(sound_.SoundWaiting() ? 20 : 2000);
}

bool QtPlatform::Ending() const
{
    return Quitting && Quitting();
}

bool QtPlatform::AskYesNo(const Text& text)
{
    if (Ending())
        return false;
    QMessageBox box(QMessageBox::Warning, Title, Translated(text),
        QMessageBox::Yes | QMessageBox::No, BoxOwner());
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void QtPlatform::ShowMessage(const Text& text, MessageIcon icon)
{
    const QString shown = Translated(text);
    // A problem is also told on the error output, where it outlives the box and reaches
    // whoever started the program from a terminal.
    if (icon != MessageIcon::Information)
        std::fprintf(stderr, "orvane: %s\n", shown.toLocal8Bit().constData());
    if (Ending())
        return;
    const auto qtIcon = icon == MessageIcon::Error ? QMessageBox::Critical
        : icon == MessageIcon::Warning             ? QMessageBox::Warning
                                                   : QMessageBox::Information;
    QMessageBox box(qtIcon, Title, shown, QMessageBox::Ok, BoxOwner());
    box.exec();
}

std::string QtPlatform::PromptText(
    const Text& title, const Text& prompt, const std::string& initial)
{
    if (Ending())
        return initial;
    bool ok = false;
    const QString text = QInputDialog::getText(&owner_, Translated(title), Translated(prompt),
        QLineEdit::Normal, QString::fromStdString(initial), &ok);
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

void QtPlatform::PlaySound(Sound sound)
{
    if (const char* file = SoundFileName(sound))
        sound_.PlayFile(soundDirs_, file);
    else
        sound_.PlayClick();
    AfterSound();
}

// The help file goes to the desktop's viewer where one is registered for it; else, or
// when the desktop cannot open it, the program shows the pages it was made from.
void QtPlatform::OpenDocument(const std::string& target)
{
    const QString text = QString::fromStdString(target);
    const QFileInfo file(text);
    if (!file.isAbsolute()) {
        QDesktopServices::openUrl(QUrl(text));
        return;
    }
    const QUrl url = QUrl::fromLocalFile(text);
    if (!IsHelpFile(file)) {
        QDesktopServices::openUrl(url);
        return;
    }
    if (!(file.exists() && DesktopHasHelpViewer() && QDesktopServices::openUrl(url)))
        ShowHelpPages(text);
}

// Opened from a modal dialog, the window belongs to that dialog: it shows above it and
// takes input while the dialog stays open.
void QtPlatform::ShowHelpPages(const QString& helpFile)
{
    QWidget* owner = BoxOwner();
    if (!helpForm_)
        helpForm_ = new HelpWindow(owner);
    else if (helpForm_->parentWidget() != owner)
        helpForm_->setParent(owner, helpForm_->windowFlags());
    const QString pages = QFileInfo(helpFile).dir().filePath(QStringLiteral("help"));
    if (!helpForm_->ShowPages(pages))
        ShowMessage(
            Text(QT_TRANSLATE_NOOP("Messages",
                     "The help could not be shown: there is no viewer for \"%1\" and the help "
                     "pages are missing from \"%2\"."))
                .Arg(helpFile.toStdString())
                .Arg(pages.toStdString()),
            MessageIcon::Information);
}

} // namespace orvane
