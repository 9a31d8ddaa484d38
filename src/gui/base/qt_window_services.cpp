#include "gui/base/qt_window_services.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QUrl>

#include "files/atomic_file.h"

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

MsgAnswer QtWindowServices::MessageBox(QWidget* parent, const QString& text, const QString& caption, MsgButtons buttons,
                                       MsgIcon icon)
{
    return MessageBoxWithInfo(parent, text, QString(), caption, buttons, icon);
}

MsgAnswer QtWindowServices::MessageBoxWithInfo(QWidget* parent, const QString& text, const QString& informative,
                                               const QString& caption, MsgButtons buttons, MsgIcon icon)
{
    return MessageBoxWithDetail(parent, text, informative, QString(), caption, buttons, icon);
}

MsgAnswer QtWindowServices::MessageBoxWithDetail(QWidget* parent, const QString& text, const QString& informative,
                                                 const QString& detail, const QString& caption, MsgButtons buttons,
                                                 MsgIcon icon)
{
    QMessageBox::StandardButtons set = QMessageBox::Ok;
    if (buttons == MsgButtons::YesNo || buttons == MsgButtons::YesNoSafe) set = QMessageBox::Yes | QMessageBox::No;
    if (buttons == MsgButtons::YesNoCancel) set = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    QMessageBox box(ToQtIcon(icon), caption, text, set, parent);
    box.setInformativeText(informative);
    box.setDetailedText(detail);
    // Esc and the close button answer Cancel where there is one; the box picks it itself.
    if (buttons == MsgButtons::YesNoCancel) box.setDefaultButton(QMessageBox::Yes);
    if (buttons == MsgButtons::YesNoSafe) {
        box.setDefaultButton(QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
    }
    const int pressed = box.exec();
    switch (buttons) {
    case MsgButtons::Ok: return MsgAnswer::Ok;
    case MsgButtons::YesNo:
    case MsgButtons::YesNoSafe: return pressed == QMessageBox::Yes ? MsgAnswer::Yes : MsgAnswer::No;
    case MsgButtons::YesNoCancel: break;
    }
    if (pressed == QMessageBox::Yes) return MsgAnswer::Yes;
    if (pressed == QMessageBox::No) return MsgAnswer::No;
    return MsgAnswer::Cancel;
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
    if (!request.name.isEmpty()) dialog.selectFile(request.name);
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.selectedFiles().value(0);
}

bool QtWindowServices::OpenTextFile(const QString& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool QtWindowServices::CtrlHeld() { return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ControlModifier); }

void QtWindowServices::ShowWaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }

void QtWindowServices::HideWaitCursor() { QGuiApplication::restoreOverrideCursor(); }

QString QtWindowServices::CurrentDirectory() { return QDir::currentPath(); }

bool QtWindowServices::MayWriteFile(const QString& path) { return qx::MayWriteFile(ToNativePath(path)); }

LocalTime QtWindowServices::Now() { return SystemLocalTime(); }

}  // namespace qx
