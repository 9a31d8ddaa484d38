// The desktop's own message boxes, file choosers, viewer, keyboard state and cursor.
#pragma once

#include "gui/base/window_services.h"

namespace qx {

class QtWindowServices : public WindowServices {
public:
    MsgAnswer MessageBox(QWidget* parent, const QString& text, const QString& caption, MsgButtons buttons,
                         MsgIcon icon) override;
    MsgAnswer MessageBoxWithInfo(QWidget* parent, const QString& text, const QString& informative,
                                 const QString& caption, MsgButtons buttons, MsgIcon icon) override;
    MsgAnswer MessageBoxWithDetail(QWidget* parent, const QString& text, const QString& informative,
                                   const QString& detail, const QString& caption, MsgButtons buttons,
                                   MsgIcon icon) override;
    QString ChooseOpenFile(QWidget* parent, const FileDialogRequest& request) override;
    QString ChooseSaveFile(QWidget* parent, const FileDialogRequest& request) override;
    bool OpenTextFile(const QString& path) override;
    bool CtrlHeld() override;
    void ShowWaitCursor() override;
    void HideWaitCursor() override;
    QString CurrentDirectory() override;
    bool MayWriteFile(const QString& path) override;
    LocalTime Now() override;
};

// A file path as the core's std::string functions expect it (the file system's encoding).
std::string ToNativePath(const QString& path);
QString FromNativePath(const std::string& path);

}  // namespace qx
