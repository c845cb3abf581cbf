#include "soak/Invariants.h"

#include "state/SavedGame.h"
#include "ui/FormCore.h"
#include "ui/Game.h"

#include <map>
#include <set>

using namespace Qt::StringLiterals;

// The windows a place can be reached from. frmVirus may stand over any of them; the start
// window may stand alone, after a death, or over the hidden main window of a game being
// replaced, or over the help as its "about" page.
static const std::map<QString, std::set<QString>>& below() {
    static const std::map<QString, std::set<QString>> table = [] {
        std::map<QString, std::set<QString>> t;
        for (const char16_t* place :
             {u"frmBank",  u"frmComputer", u"frmFlat",     u"frmHakerstvo", u"frmHistory",
              u"frmHobby", u"frmMadFish",  u"frmInternet", u"frmInterComp", u"frmInterAnek",
              u"frmParty", u"frmAr",       u"frmRuletka",  u"frmRuletka2",  u"frmPrograms",
              u"frmShop",  u"frmStudy",    u"frmWork",     u"frmTheEnd",    u"frmHelp"})
            t[QString::fromUtf16(place)] = {u"frmMain"_s};
        t[u"frmFirst"_s] = {u"frmMain"_s, u"frmHelp"_s};
        return t;
    }();
    return table;
}

QStringList windowNames(const Game& game) {
    QStringList names;
    for (const FormCore* form : game.windows())
        names << form->formName();
    return names;
}

QString navigationProblem(QStringList names) {
    const QString shown = names.join(u' ');
    if (names.count(u"frmVirus"_s) > 0)
        names.removeOne(u"frmVirus"_s);
    if (names.removeDuplicates() > 0)
        return u"a window is loaded twice: "_s + shown;
    if (names.isEmpty())
        return {};
    if (names.front() != u"frmMain" && names.front() != u"frmFirst")
        return u"the windows do not start with the main or the start window: "_s + shown;
    for (qsizetype i = 1; i < names.size(); ++i) {
        const auto allowed = below().find(names[i]);
        if (allowed == below().end() || !allowed->second.count(names[i - 1]))
            return u"%1 cannot stand over %2: %3"_s.arg(names[i], names[i - 1], shown);
    }
    return {};
}

QString stateProblem(const GameState& s) {
    for (const CatalogInfo& info : catalogTable()) {
        const Catalog& catalog = s.*info.catalog;
        if (catalog.Level < 0 || catalog.Level >= catalog.Names.size())
            return u"%1 = %2 is outside its catalog"_s.arg(QString::fromLatin1(info.levelName))
                .arg(catalog.Level);
        if (s.*info.field != catalog.Names[catalog.Level])
            return u"%1 shows \"%2\" for level %3 (\"%4\")"_s.arg(
                QString::fromLatin1(info.stem), s.*info.field, QString::number(catalog.Level),
                catalog.Names[catalog.Level]);
    }
    for (const char* flag : {"HasBrowser", "HasDialer", "HasDownloader", "HasRod", "HasTackle"})
        if (const qint16 value = *s.integer(QString::fromLatin1(flag)); value != 0 && value != -1)
            return u"flag %1 holds %2"_s.arg(QString::fromLatin1(flag)).arg(value);
    if (s.BankDays < 0 || s.BankDays > 5)
        return u"BankDays holds %1"_s.arg(s.BankDays);
    if (s.BaitPacks < 0 || s.FishTotal < 0)
        return u"BaitPacks %1, FishTotal %2"_s.arg(s.BaitPacks).arg(s.FishTotal);
    // The game saves and loads back to the very same line: every numeric text a numeral,
    // every level inside its catalog, every flag a flag.
    const QByteArray line = SavedGame::write(s);
    const SavedGame::Loaded loaded = SavedGame::read(line, s);
    if (!loaded.state)
        return u"the game does not load back: "_s + loaded.error;
    if (SavedGame::write(*loaded.state) != line)
        return u"the game loads back different"_s;
    return {};
}
