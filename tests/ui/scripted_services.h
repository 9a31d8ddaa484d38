// A WindowServices double for the GUI tests: records every message box and answers every
// prompt from a script, so no test ever blocks on a modal box.
#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

#include "files/atomic_file.h"
#include "gui/base/window_services.h"

namespace qx::test {

struct RecordedBox {
    QString text;
    QString caption;
    MsgButtons buttons;
    MsgIcon icon;
    QString informative;  // the second paragraph, empty for a plain box
    QString detail;       // the unfolded details, empty for most boxes
};

class ScriptedServices : public WindowServices {
public:
    std::vector<RecordedBox> boxes;
    std::deque<MsgAnswer> answers;    // for Yes/No(/Cancel) boxes; "No" when the script runs dry
    std::deque<QString> openAnswers;  // paths for ChooseOpenFile; "" (cancel) when dry
    std::deque<QString> saveAnswers;  // paths for ChooseSaveFile; "" (cancel) when dry
    std::vector<FileDialogRequest> openRequests;
    std::vector<FileDialogRequest> saveRequests;
    QStringList openedTextFiles;
    bool viewerWorks = true;  // false: no program takes a text file
    bool ctrl = false;
    int waitCursorDepth = 0;
    QString currentDirectory;
    LocalTime now{2026, 12, 7, 9, 5, 3, 120};
    std::function<void()> whileAsking;  // runs while a Yes/No(/Cancel) box is open

    MsgAnswer MessageBox(QWidget* parent, const QString& text, const QString& caption, MsgButtons buttons,
                         MsgIcon icon) override
    {
        return MessageBoxWithInfo(parent, text, QString(), caption, buttons, icon);
    }
    MsgAnswer MessageBoxWithInfo(QWidget* parent, const QString& text, const QString& informative,
                                 const QString& caption, MsgButtons buttons, MsgIcon icon) override
    {
        return MessageBoxWithDetail(parent, text, informative, QString(), caption, buttons, icon);
    }
    MsgAnswer MessageBoxWithDetail(QWidget*, const QString& text, const QString& informative, const QString& detail,
                                   const QString& caption, MsgButtons buttons, MsgIcon icon) override
    {
        boxes.push_back({text, caption, buttons, icon, informative, detail});
        if (buttons == MsgButtons::Ok) return MsgAnswer::Ok;
        if (whileAsking) whileAsking();
        if (answers.empty()) return MsgAnswer::No;
        MsgAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    QString ChooseOpenFile(QWidget*, const FileDialogRequest& request) override
    {
        openRequests.push_back(request);
        return Pop(openAnswers);
    }
    QString ChooseSaveFile(QWidget*, const FileDialogRequest& request) override
    {
        saveRequests.push_back(request);
        return Pop(saveAnswers);
    }
    bool OpenTextFile(const QString& path) override
    {
        if (viewerWorks) openedTextFiles << path;
        return viewerWorks;
    }
    bool CtrlHeld() override { return ctrl; }
    void ShowWaitCursor() override { ++waitCursorDepth; }
    void HideWaitCursor() override { --waitCursorDepth; }
    QString CurrentDirectory() override { return currentDirectory; }
    bool MayWriteFile(const QString& path) override { return qx::MayWriteFile(path.toStdString()); }
    LocalTime Now() override { return now; }

    // The texts of all boxes so far, for compact assertions.
    QStringList Texts() const
    {
        QStringList texts;
        for (const auto& b : boxes) texts << b.text;
        return texts;
    }

private:
    static QString Pop(std::deque<QString>& q)
    {
        if (q.empty()) return {};
        QString s = q.front();
        q.pop_front();
        return s;
    }
};

}  // namespace qx::test
