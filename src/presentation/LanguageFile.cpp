// SPDX-FileCopyrightText: 2026 Zelka-Kvadra developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "presentation/LanguageFile.h"
#include "play/GameState.h"
#include "play/OwnTexts.h"
#include "play/PanelControls.h"
#include "files/FileLimits.h"
#include "files/RegularFile.h"
#include "presentation/SettingsFile.h"
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <array>

namespace {

using Member = ControlState PanelControls::*;

// Caption entries 1..44 in file order; entry 27 is Label1 again (its text in the
// number-sequence type), so Label1 appears twice.
constexpr std::array<Member, kCaptionCount + 1> kCaptionControls{
    nullptr,
    &PanelControls::menu, &PanelControls::er_megj, &PanelControls::color,
    &PanelControls::hdim, &PanelControls::uj_jatek, &PanelControls::jatek_tor,
    &PanelControls::kevall, &PanelControls::kevment, &PanelControls::kevtor,
    &PanelControls::ntor, &PanelControls::ntoregy, &PanelControls::ntorosz,
    &PanelControls::stmegj, &PanelControls::nyelv, &PanelControls::hang_kell,
    &PanelControls::m_exit, &PanelControls::help, &PanelControls::kezel,
    &PanelControls::nevj, &PanelControls::tipus, &PanelControls::generalt,
    &PanelControls::atlos, &PanelControls::tarolt, &PanelControls::szamsor,
    &PanelControls::vminta, &PanelControls::Label1, &PanelControls::Label1,
    &PanelControls::dimenzio, &PanelControls::kezd, &PanelControls::kever,
    &PanelControls::uj, &PanelControls::kilep, &PanelControls::atrend,
    &PanelControls::skev, &PanelControls::okev, &PanelControls::alapall,
    &PanelControls::ment, &PanelControls::megse, &PanelControls::k_tar,
    &PanelControls::folytat, &PanelControls::tarol, &PanelControls::Label3,
    &PanelControls::Label2, &PanelControls::Label4,
};

constexpr int kLabel1Other = 26;
constexpr int kLabel1Numbers = 27;
constexpr int kUjCaption = 31;
constexpr int kOkevCaption = 35;
constexpr int kNewGameCaption = 1;   // message: caption of `uj` during a game
constexpr int kTimeUnits = 5;
constexpr int kTypeCodes = 128;
constexpr int kDemoCaption = 167;

// Where the eight result-type display codes stand in message 128 (1-based, length).
constexpr std::array<std::pair<int, int>, 9> kTypeCodeCuts{
    {{0, 0}, {1, 1}, {3, 2}, {6, 1}, {8, 2}, {11, 1}, {13, 1}, {15, 1}, {17, 2}}};
const std::array<QString, 9> kDefaultTypeNames{"", "V", "VR", "A", "AR", "M", "T", "S", "SR"};
// Unit words of the time line when message 5 cannot be split.
const std::array<QString, 4> kDefaultEndTexts{"", QString::fromUtf8("óra"),
                                              QStringLiteral("perc"),
                                              QString::fromUtf8("másodperc")};
const QString kDefaultDemoCaption = QString::fromUtf8("Demó játék");

QString filePathOf(const GameFolders& folders, const QString& language) {
    return folders.shippedFile(language + QLatin1String(kLanguageSuffix));
}

// Reads the entries of a language file, or fails when the name is not a plain
// name in the folder or the file cannot be read (over its limit included).
bool readLanguage(const GameFolders& folders, const QString& language, QStringList& entries) {
    if (!IsValidLanguageName(language)) return false;
    const FileRead file = ReadRegularFile(filePathOf(folders, language), FileLimit::Language);
    if (file.access != FileAccess::Ok) return false;
    entries = LanguageEntries(file.bytes);
    return true;
}

void splitEndTexts(GameState& s) {
    const QString& text = s.texts.messages.value(kTimeUnits);
    const qsizetype p1 = text.indexOf(u';');
    const qsizetype p2 = p1 < 0 ? -1 : text.indexOf(u';', p1 + 1);
    if (p2 < 0) {
        s.texts.endTexts = kDefaultEndTexts;
        return;
    }
    s.texts.endTexts[1] = text.left(p1);
    s.texts.endTexts[2] = text.mid(p1 + 1, p2 - p1 - 1);
    s.texts.endTexts[3] = text.mid(p2 + 1);
}

void cutTypeNames(GameState& s) {
    const QString& text = s.texts.messages.value(kTypeCodes);
    for (int t = 1; t <= 8; ++t) {
        const auto [position, length] = kTypeCodeCuts[t];
        const QString code = text.mid(position - 1, length);
        // A code the message does not hold would make results unreadable by type.
        s.texts.typeNames[t] = code.trimmed().isEmpty() ? kDefaultTypeNames[t] : code;
    }
}

// The captions 1..44 onto the window's controls, and the texts kept from them.
void applyCaptions(GameState& s) {
    for (int no = 1; no <= kCaptionCount; ++no) {
        if (no == kLabel1Numbers) continue;
        CaptionControl(s.panel, no)->caption = s.texts.messages[no];
    }
    s.texts.label1TextOther = s.texts.messages[kLabel1Other];
    s.texts.label1TextNumbers = s.texts.messages[kLabel1Numbers];
    s.panel.Label1.caption = s.numberTypeSelected() ? s.texts.label1TextNumbers : s.texts.label1TextOther;
    s.texts.messages[0] = s.texts.messages[kUjCaption];
    s.texts.okevCaption = s.texts.messages[kOkevCaption];
    // okev is the tile exchange only in the number type; elsewhere it is the column
    // colour button and reads like its twin skev.
    if (!s.numberTypeSelected()) s.panel.okev.caption = s.panel.skev.caption;
}

// A running stored game's title is the caption of Label1, its number and its name.
void refreshStoredGameTitle(GameState& s) {
    if (!s.gameRunning || s.storedGameNo == 0) return;
    QString title = s.panel.Label1.caption + u' ' + QString::number(s.storedGameNo);
    const QString name = s.storedGameName.trimmed();
    if (!name.isEmpty()) title += u' ' + name;
    s.panel.t_jatek.caption = title;
}

void applyEntries(GameState& s, QStringList entries) {
    // Entries the file does not reach are the built-in ones of the same numbers.
    const QStringList& builtIn = BuiltInLanguageEntries();
    while (entries.size() < kCaptionCount + kLastMessage) entries.append(builtIn.value(entries.size()));
    while (s.texts.messages.size() <= kLastMessage) s.texts.messages.append(QString());
    for (int no = 1; no <= kCaptionCount; ++no) s.texts.messages[no] = entries[no - 1];
    applyCaptions(s);
    refreshStoredGameTitle(s);
    // The messages then take the place of the captions of the same numbers.
    for (int n = 1; n <= kLastMessage; ++n) s.texts.messages[n] = entries[kCaptionCount + n - 1];

    splitEndTexts(s);
    cutTypeNames(s);
    const QString demo = s.texts.messages[kDemoCaption];
    s.panel.demo_jatek.caption = demo.isEmpty() ? kDefaultDemoCaption : demo;
    if (s.gameRunning) s.panel.uj.caption = s.texts.messages[kNewGameCaption];
}

} // namespace

bool IsLanguageEntry(const QString& line) {
    if (line.startsWith(u'-')) return false;
    for (const QChar ch : line)
        if (ch != u' ') return true;
    return false;
}

QStringList LanguageEntries(const QByteArray& contents, int maxEntries) {
    QStringDecoder decoder("windows-1250");
    const QString text = decoder.decode(contents);
    QStringList entries;
    qsizetype start = 0;
    while (start < text.size() && entries.size() < maxEntries) {
        qsizetype end = start;
        while (end < text.size() && text[end] != u'\r' && text[end] != u'\n') ++end;
        const QString line = text.mid(start, end - start);
        if (IsLanguageEntry(line)) entries.append(line);
        // CR LF is one line end; CR or LF alone end a line too.
        start = end + (text.mid(end, 2) == QLatin1String("\r\n") ? 2 : 1);
    }
    return entries;
}

const QStringList& BuiltInLanguageEntries() {
    static const QStringList entries = [] {
        QFile file(QStringLiteral(":/language/Magyar.lng"));
        return file.open(QIODevice::ReadOnly) ? LanguageEntries(file.readAll()) : QStringList();
    }();
    return entries;
}

ControlState* CaptionControl(PanelControls& panel, int no) {
    if (no < 1 || no > kCaptionCount) return nullptr;
    return &(panel.*kCaptionControls[no]);
}

QString DesignCaption(int no) {
    PanelControls design;
    SetDesignCaptions(design);
    const ControlState* control = CaptionControl(design, no);
    return control ? control->caption : QString();
}

LanguageResult ApplyLanguage(GameState& s, const GameFolders& folders) {
    LanguageResult result;
    result.requested = s.texts.languageName;
    QStringList entries;
    if (readLanguage(folders, s.texts.languageName, entries)) {
        result.status = LanguageStatus::Applied;
    } else if (readLanguage(folders, QLatin1String(kDefaultLanguage), entries)) {
        result.status = LanguageStatus::FellBackToDefault;
        s.texts.languageName = QLatin1String(kDefaultLanguage);
    } else {
        result.status = LanguageStatus::BuiltInTexts;
        s.texts.languageName = QLatin1String(kDefaultLanguage);
        entries.clear();
    }
    result.entries = static_cast<int>(entries.size());
    applyEntries(s, entries);
    return result;
}

QString LanguageProblemText(const LanguageResult& result) {
    const QString requested = result.requested + QLatin1String(kLanguageSuffix);
    const QString fallback = QLatin1String(kDefaultLanguage) + QLatin1String(kLanguageSuffix);
    // The player asked for one language and may now read another: where the two are
    // worded differently, the text comes in both, the one in use first.
    const QString inUse = result.status == LanguageStatus::Applied ? result.requested
                                                                   : QLatin1String(kDefaultLanguage);
    const auto told = [&](OwnText own) {
        const QString shown = OwnTextIn(own, inUse);
        const QString asked = OwnTextIn(own, result.requested);
        return asked == shown ? shown : shown + u'\n' + asked;
    };
    QString text;
    switch (result.status) {
    case LanguageStatus::FellBackToDefault:
        text = told(OwnText::LanguageFileUnreadable).arg(requested, fallback);
        break;
    case LanguageStatus::BuiltInTexts:
        return told(OwnText::NoLanguageFile).arg(fallback);
    case LanguageStatus::Applied:
        break;
    case LanguageStatus::Unchanged:
        return {};
    }
    constexpr int kAllEntries = kCaptionCount + kLastMessage;
    if (result.entries >= kAllEntries) return text;
    const QString read = result.status == LanguageStatus::Applied ? requested : fallback;
    if (!text.isEmpty()) text += QStringLiteral("\n\n");
    return text + told(OwnText::LanguageFileIncomplete)
                      .arg(read, QString::number(result.entries), QString::number(kAllEntries));
}

QStringList ListLanguages(const GameFolders& folders) {
    const QString suffix = QLatin1String(kLanguageSuffix);
    QStringList names;
    const QStringList files = folders.shippedFileNames(QLatin1Char('*') + suffix);
    for (const QString& file : files) {
        const QString name = file.chopped(suffix.size());
        // A name that cannot be stored in param.dat could not be chosen again.
        if (file.endsWith(suffix) && IsValidLanguageName(name)) names.append(name);
    }
    return names;
}

QStringList nyelv_Click(GameState& s, const GameFolders& folders) {
    ControlState& label = s.panel.Label4;
    label.left = 1700;
    label.top = 20;
    label.width = 1500;
    label.visible = true;
    ControlState& chooser = s.panel.lang;
    chooser.left = 3500;
    chooser.top = 20;
    chooser.caption = s.texts.languageName;
    chooser.visible = true;
    s.panel.focusRequest = QStringLiteral("lang");
    return ListLanguages(folders);
}

LanguageResult lang_Click(GameState& s, const GameFolders& folders, const QString& chosen) {
    lang_LostFocus(s);
    LanguageResult result{LanguageStatus::Unchanged, chosen};
    // Only a language that can be read replaces the one in use.
    const bool readable =
        IsValidLanguageName(chosen) && QFileInfo(filePathOf(folders, chosen)).isFile();
    if (chosen != s.texts.languageName && readable) {
        s.texts.languageName = chosen;
        result = ApplyLanguage(s, folders);
    }
    s.panel.lang.caption = s.texts.languageName;
    s.panel.focusRequest = QStringLiteral("pp");
    return result;
}

void lang_LostFocus(GameState& s) {
    s.panel.lang.visible = false;
    s.panel.Label4.visible = false;
}

void lang_KeyDown(GameState& s, int keyCode) {
    if (keyCode == kKeyEscape) lang_LostFocus(s);
}
