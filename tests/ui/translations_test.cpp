// The catalogs of the window's languages: every entry translated and fit to stand where its
// source stands (placeholders, line breaks, an access key), every menu with distinct access
// keys in each language, and every text of the window and the dialogs with room to be read.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <map>
#include <memory>

#include "../support/records.h"
#include "dialog_rig.h"
#include "every_dialog.h"
#include "gui/base/language.h"
#include "gui/window/identity_hint.h"
#include "window_rig.h"

namespace qx {
namespace {

const char* const kCodes[] = {"de", "nl", "fr"};

struct Entry {
    QString context, source, translation;
    bool unfinished = false;
};

std::vector<Entry> ReadCatalog(const QString& code)
{
    QFile file(QStringLiteral(QX_TRANSLATIONS_DIR "/qx720_%1.ts").arg(code));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    std::vector<Entry> entries;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) continue;
        if (xml.name() == QLatin1String("name")) context = xml.readElementText();
        if (xml.name() == QLatin1String("message")) entries.push_back({context, {}, {}, false});
        if (xml.name() == QLatin1String("source")) entries.back().source = xml.readElementText();
        if (xml.name() == QLatin1String("translation")) {
            entries.back().unfinished = xml.attributes().value("type") == QLatin1String("unfinished");
            entries.back().translation = xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return entries;
}

QStringList Placeholders(const QString& text)
{
    QStringList found;
    for (const QRegularExpressionMatch& m : QRegularExpression("%\\d+").globalMatch(text)) found << m.captured();
    found.sort();
    return found;
}

// The access key of a menu text ("Save &as" -> 'A'), or a null character.
QChar AccessKey(const QString& text)
{
    for (int i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&') continue;
        if (text[i + 1] == '&') {
            ++i;
            continue;
        }
        return text[i + 1].toUpper();
    }
    return {};
}

TEST(Catalogs, EveryEntryIsTranslatedAndKeepsWhatItsSourceNeeds)
{
    for (const char* code : kCodes) {
        SCOPED_TRACE(code);
        const std::vector<Entry> entries = ReadCatalog(code);
        EXPECT_GT(entries.size(), 300u);
        for (const Entry& e : entries) {
            SCOPED_TRACE(e.source.toStdString());
            EXPECT_FALSE(e.unfinished);
            EXPECT_FALSE(e.translation.trimmed().isEmpty());
            EXPECT_EQ(Placeholders(e.translation), Placeholders(e.source));
            EXPECT_EQ(e.translation.count('\n'), e.source.count('\n'));
            EXPECT_EQ(AccessKey(e.translation).isNull(), AccessKey(e.source).isNull()) << e.translation.toStdString();
        }
    }
}

// Builds the window in `code`, then gives it back in English.
struct InLanguage {
    explicit InLanguage(const char* code) { EXPECT_TRUE(UseLanguage(code)); }
    ~InLanguage() { UseLanguage("en"); }
};

void ExpectDistinctAccessKeys(QMenuBar* bar)
{
    std::map<QChar, QString> top;
    for (QAction* menu : bar->actions()) {
        EXPECT_TRUE(top.emplace(AccessKey(menu->text()), menu->text()).second) << menu->text().toStdString();
        if (menu->menu() == nullptr) continue;
        std::map<QChar, QString> items;
        for (QAction* item : menu->menu()->actions()) {
            if (item->isSeparator()) continue;
            EXPECT_TRUE(items.emplace(AccessKey(item->text()), item->text()).second)
                << menu->text().toStdString() << ": " << item->text().toStdString();
        }
    }
}

// Texts that need more room than their widget has: cut off or running into the next control.
QStringList Crowded(QWidget* top)
{
    QStringList crowded;
    top->show();
    QCoreApplication::processEvents();
    for (QWidget* w : top->findChildren<QWidget*>()) {
        if (!w->isVisible() || qobject_cast<IdentityHint*>(w) != nullptr) continue;  // elides by design
        QString text;
        bool fits = true;
        if (auto* label = qobject_cast<QLabel*>(w)) {
            text = label->text();
            fits = label->wordWrap() ? label->heightForWidth(label->width()) <= label->height()
                                     : label->sizeHint().width() <= label->width();
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            text = button->text();
            fits = button->sizeHint().width() <= button->width();
        } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
            text = box->title();
            fits = box->fontMetrics().horizontalAdvance(box->title()) + 16 <= box->width();
        } else if (auto* bar = qobject_cast<QMenuBar*>(w)) {
            text = "menu bar";
            fits = bar->sizeHint().width() <= bar->width();
        }
        if (!text.isEmpty() && !fits) crowded << QString("%1 \"%2\"").arg(w->metaObject()->className(), text);
    }
    top->hide();
    return crowded;
}

TEST(Languages, ACutOffTextIsFound)
{
    QDialog dialog;
    auto* button = new QPushButton("Ins Funkgerät schreiben", &dialog);
    button->setFixedWidth(40);
    auto* label = new QLabel("Geben Sie die letzten 9 Ziffern ein.", &dialog);
    label->setGeometry(0, 40, 30, 20);
    EXPECT_EQ(Crowded(&dialog).size(), 2);
}

TEST(Languages, TheWindowShowsItsMenusTranslatedWithDistinctAccessKeys)
{
    for (const char* code : kCodes) {
        SCOPED_TRACE(code);
        InLanguage language(code);
        test::WindowRig rig;
        rig.Open();
        EXPECT_NE(test::Shown(rig.Only<QMenuBar>()->actions()[0]), "File");
        EXPECT_NE(rig.Action("saveAs")->text(), "Save &as");
        ExpectDistinctAccessKeys(rig.Only<QMenuBar>());
        EXPECT_EQ(Crowded(&rig.W()), QStringList());
    }
}

TEST(Languages, EveryDialogHasRoomForItsTexts)
{
    for (const char* code : {"en", "de", "nl", "fr"}) {
        SCOPED_TRACE(code);
        InLanguage language(code);
        test::DialogRig rig;
        ModelConfig config;
        ResetModelConfig(config);
        RadioSettings record = test::EuropeWithChannels(2);
        std::vector<std::unique_ptr<QDialog>> dialogs = test::EveryDialog(rig, config, record);
        for (auto& dialog : dialogs) {
            SCOPED_TRACE(dialog->metaObject()->className());
            EXPECT_EQ(Crowded(dialog.get()), QStringList());
            for (QMenuBar* bar : dialog->findChildren<QMenuBar*>()) ExpectDistinctAccessKeys(bar);
        }
    }
}

}  // namespace
}  // namespace qx
