#include "ui/qt_window_services.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QUrl>

#include "document/atomic_file.h"

namespace qx {

std::string ToNativePath(const QString& path) { return QFile::encodeName(path).toStdString(); }

QString FromNativePath(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

namespace {

QMessageBox::Icon ToQtIcon(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::Question: return QMessageBox::Question;
    case MsgIcon::Warning: return QMessageBox::Warning;
    case MsgIcon::Information: return QMessageBox::Information;
    case MsgIcon::Stop: return QMessageBox::Critical;
    case MsgIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

// Both choosers start in the requested folder listing the pattern's files.
void PrepareChooser(QFileDialog& dialog, const FileDialogRequest& request)
{
    dialog.setDirectory(request.directory);
    QStringList filters;
    if (!request.filter.isEmpty()) filters << request.filter;
    if (!request.pattern.isEmpty() && request.pattern != request.filter) filters << request.pattern;
    if (!filters.isEmpty()) dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(request.defaultSuffix);
}

}  // namespace

MsgAnswer QtWindowServices::MessageBox(QWidget* parent, const QString& text, const QString& caption,
                                       MsgButtons buttons, MsgIcon icon)
{
    QMessageBox box(ToQtIcon(icon), caption, text,
                    buttons == MsgButtons::YesNo ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::Ok,
                    parent);
    int pressed = box.exec();
    if (buttons == MsgButtons::Ok) return MsgAnswer::Ok;
    return pressed == QMessageBox::Yes ? MsgAnswer::Yes : MsgAnswer::No;
}

QString QtWindowServices::ChooseOpenFile(QWidget* parent, const FileDialogRequest& request)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    PrepareChooser(dialog, request);
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.selectedFiles().value(0);
}

QString QtWindowServices::ChooseSaveFile(QWidget* parent, const FileDialogRequest& request)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    PrepareChooser(dialog, request);
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.selectedFiles().value(0);
}

void QtWindowServices::OpenTextFile(const QString& path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool QtWindowServices::CtrlHeld()
{
    return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ControlModifier);
}

void QtWindowServices::ShowWaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }

void QtWindowServices::HideWaitCursor() { QGuiApplication::restoreOverrideCursor(); }

QString QtWindowServices::CurrentDirectory() { return QDir::currentPath(); }

bool QtWindowServices::MayWriteFile(const QString& path) { return qx::MayWriteFile(ToNativePath(path)); }

LocalTime QtWindowServices::Now() { return SystemLocalTime(); }

}  // namespace qx
