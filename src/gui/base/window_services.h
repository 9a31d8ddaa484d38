// What the window, the dialogs and the clone workers need from the desktop: message boxes,
// file choosers, a text viewer, the keyboard state, the wait cursor and a few process facts.
// The program uses the Qt implementation; tests use a scripted double that records every box.
#pragma once

#include <QString>

#include "clone/clock.h"

class QWidget;

namespace qx {

// YesNoSafe: Yes and No with No the default and the answer to Esc, for a question whose Yes
// cannot be taken back.
enum class MsgButtons { Ok, YesNo, YesNoCancel, YesNoSafe };
enum class MsgIcon { None, Question, Warning, Information, Stop };
// Cancel also stands for a box closed with Esc or its close button.
enum class MsgAnswer { Ok, Yes, No, Cancel };

struct FileDialogRequest {
    QString directory;      // where the chooser starts
    QString pattern;        // the wildcard of the initial name, e.g. "*.dat"
    QString filter;         // e.g. "QX720 Clone files (*.dat)"
    QString defaultSuffix;  // added when the user types none, e.g. "dat"
    QString name;           // a file name to propose when saving; empty: none
};

class WindowServices {
public:
    virtual ~WindowServices() = default;

    virtual MsgAnswer MessageBox(QWidget* parent, const QString& text, const QString& caption, MsgButtons buttons,
                                 MsgIcon icon) = 0;
    // The same box with a second, informative paragraph under its text.
    virtual MsgAnswer MessageBoxWithInfo(QWidget* parent, const QString& text, const QString& informative,
                                         const QString& caption, MsgButtons buttons, MsgIcon icon) = 0;
    // The same with details the user can unfold (a long list, the system's reason for a failure).
    virtual MsgAnswer MessageBoxWithDetail(QWidget* parent, const QString& text, const QString& informative,
                                           const QString& detail, const QString& caption, MsgButtons buttons,
                                           MsgIcon icon)
    {
        (void)detail;
        return MessageBoxWithInfo(parent, text, informative, caption, buttons, icon);
    }
    // An existing file to open, or an empty string when cancelled.
    virtual QString ChooseOpenFile(QWidget* parent, const FileDialogRequest& request) = 0;
    // A file to save to, with the confirmation before replacing one; empty when cancelled.
    virtual QString ChooseSaveFile(QWidget* parent, const FileDialogRequest& request) = 0;
    // Shows a text file in the system's viewer without waiting; false when no viewer took it.
    virtual bool OpenTextFile(const QString& path) = 0;
    virtual bool CtrlHeld() = 0;
    virtual void ShowWaitCursor() = 0;
    virtual void HideWaitCursor() = 0;
    virtual QString CurrentDirectory() = 0;
    virtual bool MayWriteFile(const QString& path) = 0;
    virtual LocalTime Now() = 0;

    // Yes/No box with the question icon; true on Yes.
    bool AskYesNo(QWidget* parent, const QString& text, const QString& caption)
    {
        return MessageBox(parent, text, caption, MsgButtons::YesNo, MsgIcon::Question) == MsgAnswer::Yes;
    }
    // Yes/No box with the warning icon, No the default: true only on a deliberate Yes.
    bool ConfirmRisk(QWidget* parent, const QString& text, const QString& caption)
    {
        return MessageBox(parent, text, caption, MsgButtons::YesNoSafe, MsgIcon::Warning) == MsgAnswer::Yes;
    }
    // Yes/No/Cancel box with the question icon.
    MsgAnswer AskYesNoCancel(QWidget* parent, const QString& text, const QString& caption)
    {
        return MessageBox(parent, text, caption, MsgButtons::YesNoCancel, MsgIcon::Question);
    }
};

}  // namespace qx
