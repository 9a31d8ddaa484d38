// A main window over a virtual radio, scripted window services and a temporary start
// directory; its timer is stopped so tests drive the ticks themselves.
#pragma once

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <atomic>
#include <clocale>
#include <memory>
#include <source_location>
#include <stdexcept>

#include "../support/temp_dir.h"
#include "backends/radio_stack.h"
#include "gui/base/radio_job_runner.h"
#include "gui/window/adaptor_status.h"
#include "gui/window/channel_panel.h"
#include "gui/window/feature_panel.h"
#include "gui/window/file_commands.h"
#include "gui/window/identity_box.h"
#include "gui/window/main_window.h"
#include "gui/window/status_box.h"
#include "gui/window/tool_commands.h"
#include "scripted_services.h"
#include "sim/virtual_adaptor.h"
#include "sim/virtual_radio.h"

namespace qx::test {

// The adaptor link of the rig: the virtual radio's, except that the radio job sends nothing
// until the test turns the event loop for it (WaitForRun) or the run is stopped. What a test
// does right after starting a run therefore comes before any exchange, however busy the
// machine is.
class GatedBackend : public HidBackend {
public:
    GatedBackend(HidBackend& inner, ManualResetEvent& stop) : inner_(inner), stop_(stop) {}
    ManualResetEvent open;
    // When positive: the user's Stop comes once this many more reports have gone to the radio.
    std::atomic<int> stopAfter{-1};

    std::vector<HidInterfaceInfo> Enumerate() override { return inner_.Enumerate(); }
    std::unique_ptr<HidDevice> Open(const std::string& path, bool* permissionDenied = nullptr) override
    {
        std::unique_ptr<HidDevice> device = inner_.Open(path, permissionDenied);
        if (!device) return device;
        return std::make_unique<Device>(std::move(device), *this);
    }

private:
    class Device : public HidDevice {
    public:
        Device(std::unique_ptr<HidDevice> inner, GatedBackend& gate) : inner_(std::move(inner)), gate_(gate) {}
        bool ReadAttributes(uint16_t& vendorId, uint16_t& productId) override
        {
            return inner_->ReadAttributes(vendorId, productId);
        }
        HidReportLengths ReportLengths() override { return inner_->ReportLengths(); }
        HidIo WriteReport(const uint8_t* report, std::size_t length, int timeoutMs) override
        {
            // Bounded: a test that never lets the run go fails instead of hanging.
            for (int waited = 0; waited < 10000 && !gate_.open.IsSet() && !gate_.stop_.IsSet(); waited += 5)
                gate_.open.Wait(5);
            const HidIo io = inner_->WriteReport(report, length, timeoutMs);
            if (gate_.stopAfter.load() > 0 && gate_.stopAfter.fetch_sub(1) == 1) gate_.stop_.Set();
            return io;
        }
        HidIo ReadReport(uint8_t* report, std::size_t length, int timeoutMs) override
        {
            return inner_->ReadReport(report, length, timeoutMs);
        }
        void DiscardInput() override { inner_->DiscardInput(); }

    private:
        std::unique_ptr<HidDevice> inner_;
        GatedBackend& gate_;
    };

    HidBackend& inner_;
    ManualResetEvent& stop_;
};

// How tests find their way around the window, much as a user would:
// - a control by its type and the name a screen reader announces for it (its own text without
//   the '&', its label's, or its accessible name);
// - a menu item by its object name, the same in every language and whatever its text says
//   at the moment ("Undo MMSI", "Stop Read");
// - the few widgets that have neither, by being the only one of their type, or, when they are
//   no control (the identity hints), by their object name;
// - anything else through the window's parts (the status line, the document, ...).

// Thrown once a failed lookup is reported: the test cannot go on without the control.
struct LookupFailed : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// What a screen reader announces for `widget`.
inline QString AnnouncedName(QWidget* widget)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face != nullptr ? face->text(QAccessible::Name) : QString();
}

// The one match, or the test fails at the caller's line and stops.
template <class T>
T* OneOf(const QList<T*>& found, const QString& what, const std::source_location& at)
{
    if (found.size() == 1) return found.front();
    const std::string message = QString("the window has %1 %2%3")
                                    .arg(found.isEmpty() ? QString("no") : QString::number(found.size()), what,
                                         found.isEmpty() ? QString() : QString(": a test must name exactly one"))
                                    .toStdString();
    ADD_FAILURE_AT(at.file_name(), static_cast<int>(at.line())) << message;
    throw LookupFailed(message);
}

template <class T>
T* Find(QWidget& top, const QString& name, std::source_location at = std::source_location::current())
{
    QList<T*> found;
    for (T* widget : top.findChildren<T*>())
        if (AnnouncedName(widget) == name) found << widget;
    return OneOf(found, QString("%1 named \"%2\"").arg(T::staticMetaObject.className(), name), at);
}

template <class T>
T* Only(QWidget& top, std::source_location at = std::source_location::current())
{
    return OneOf(top.findChildren<T*>(), QString("widgets of type %1").arg(T::staticMetaObject.className()), at);
}

// The menu bar's menus and their items, submenus' too.
inline void AddMenuItems(const QList<QAction*>& actions, QList<QAction*>& items)
{
    for (QAction* action : actions) {
        items << action;
        if (action->menu() != nullptr) AddMenuItems(action->menu()->actions(), items);
    }
}

inline QAction* Action(QWidget& window, const QString& name, std::source_location at = std::source_location::current())
{
    QList<QAction*> items;
    for (QMenuBar* bar : window.findChildren<QMenuBar*>()) AddMenuItems(bar->actions(), items);
    QList<QAction*> found;
    for (QAction* item : items)
        if (item->objectName() == name) found << item;
    return OneOf(found, QString("menu item with the object name \"%1\"").arg(name), at);
}

// A menu item's text as the user reads it: without the mnemonic marks.
inline QString Shown(const QAction* action)
{
    QString text = action->text();
    return text.remove(QLatin1Char('&'));
}

struct WindowRig {
    VirtualRadio radio;
    VirtualHidBackend backend;
    ManualResetEvent stopEvent;
    GatedBackend gate{backend, stopEvent};
    RadioStack stack{gate, CloneTiming{50, 0, 20}, SystemLocalTime, &stopEvent};
    CHidAdaptor& adaptor = stack.Adaptor();
    CloneEnvironment& environment = stack.Environment();
    int32_t& adjustMode = stack.AdjustMode();
    TempDir folder;
    RadioJobRunner radioJobs{stopEvent};
    ScriptedServices services;
    AppContext app{services,
                   environment,
                   adjustMode,
                   QString::fromStdString(folder.Path()),
                   QString::fromStdString(folder.File("QX720Clone.Bin")),
                   radioJobs};
    std::unique_ptr<MainWindow> window;
    // Whether Write backs the radio up first; off for tests of other subjects (a backup reads
    // the whole EEPROM).
    bool backups = false;

    // `adaptorRefused`: the adaptor is plugged in but this user may not open it.
    explicit WindowRig(bool adaptorRefused = false)
    {
        VirtualInterface adaptorInterface;
        adaptorInterface.path = "/dev/hidraw-virtual0";
        adaptorInterface.radio = &radio;
        adaptorInterface.permissionDenied = adaptorRefused;
        backend.AddInterface(adaptorInterface);
        // As the program does: numbers with a decimal point whatever the test machine's locale.
        std::setlocale(LC_NUMERIC, "C");
        services.currentDirectory = app.startDirectory;
        services.now = LocalTime{2026, 12, 7, 9, 5, 3, 120};
        app.backupFolder = QString::fromStdString(folder.File("backups"));
    }
    ~WindowRig()
    {
        if (window && !window->HasClosed()) window->reject();
    }

    MainWindow& Open()
    {
        window = std::make_unique<MainWindow>(app);
        window->Timer()->stop();
        Action("backupBeforeWrite")->setChecked(backups);
        return *window;
    }
    MainWindow& W() { return *window; }
    // Turns the event loop until the window's clone run has come back.
    void WaitForRun()
    {
        gate.open.Set();
        while (window->Clone().IsRunning()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        gate.open.Reset();
    }
    // The lookups above, in the rig's window.
    template <class T>
    T* Find(const QString& name, std::source_location at = std::source_location::current())
    {
        return test::Find<T>(*window, name, at);
    }
    template <class T>
    T* Only(std::source_location at = std::source_location::current())
    {
        return test::Only<T>(*window, at);
    }
    QAction* Action(const QString& name, std::source_location at = std::source_location::current())
    {
        return test::Action(*window, name, at);
    }
    QString File(const char* name) const { return QString::fromStdString(folder.File(name)); }

    void Ticks(int n)
    {
        for (int i = 0; i < n; ++i) window->OnTimerTick();
    }
    // Lets a Write run until its blocks start to go to the radio, and holds it there.
    void RunToWriteStage()
    {
        // Closed again as the first job ends, before the write's own job can send a byte.
        auto closeGate = QObject::connect(&radioJobs, &RadioJobRunner::finished, [this] { gate.open.Reset(); });
        gate.open.Set();
        while (window->Clone().IsRunning() && !window->Clone().IsWriting())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QObject::disconnect(closeGate);
        gate.open.Reset();
    }
    // Text typed into an identity field, as the user's editing changes it.
    static void Type(QLineEdit* field, const QString& text)
    {
        field->setText(text);
        emit field->textEdited(text);
    }
    void SelectBand(const QString& text)
    {
        auto* band = Find<QComboBox>("Band");
        int at = band->findText(text);
        ASSERT_GE(at, 0) << text.toStdString();
        band->setCurrentIndex(at);
    }
    void SelectLine(int row)
    {
        auto* channels = Find<QListWidget>("Channel list");
        if (row < 0) {
            channels->clearSelection();
            return;
        }
        channels->item(row)->setSelected(true);
    }
    QStringList Lines()
    {
        auto* channels = Find<QListWidget>("Channel list");
        QStringList lines;
        for (int i = 0; i < channels->count(); ++i) lines << channels->item(i)->text();
        return lines;
    }
    QStringList Bands()
    {
        auto* band = Find<QComboBox>("Band");
        QStringList bands;
        for (int i = 0; i < band->count(); ++i) bands << band->itemText(i);
        return bands;
    }
    // Saves a record as a clone file in the start directory.
    QString SaveRecord(const RadioSettings& record, const char* name)
    {
        WriteAll(folder.File(name), &record, sizeof record);
        return File(name);
    }
};

}  // namespace qx::test
