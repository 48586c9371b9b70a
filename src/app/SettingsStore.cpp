#include "app/SettingsStore.h"

SettingsStore::SettingsStore(QObject *parent) : QObject(parent) {}

SettingsStore::Aspects SettingsStore::Change(const std::function<void(Settings &)> &edit)
{
    Settings changed = settings_;
    edit(changed);
    const Aspects what = Difference(settings_, changed);
    if (!what)
        return what;
    settings_ = std::move(changed);
    emit Changed(what);
    return what;
}

SettingsStore::Aspects SettingsStore::Difference(const Settings &before, const Settings &after)
{
    Aspects what;
    if (before == after)
        return what;
    if (before.LV1LNHeight != after.LV1LNHeight)
        what |= Aspect::RowHeight;
    if (before.OBNadd != after.OBNadd || before.IPAadd != after.IPAadd || before.JPNadd != after.JPNadd ||
        before.MainFont != after.MainFont || before.IPAFont != after.IPAFont || before.MyJpFont != after.MyJpFont)
        what |= Aspect::WordListFonts;
    if (before.DicNameFlg != after.DicNameFlg)
        what |= Aspect::FolderNames;
    if (before.IpaFullFlg != after.IpaFullFlg)
        what |= Aspect::PhoneticSymbolSet;
    // Whatever else differs: compare the records with the named fields made equal.
    Settings rest = after;
    rest.LV1LNHeight = before.LV1LNHeight;
    rest.OBNadd = before.OBNadd;
    rest.IPAadd = before.IPAadd;
    rest.JPNadd = before.JPNadd;
    rest.MainFont = before.MainFont;
    rest.IPAFont = before.IPAFont;
    rest.MyJpFont = before.MyJpFont;
    rest.DicNameFlg = before.DicNameFlg;
    rest.IpaFullFlg = before.IpaFullFlg;
    if (!(rest == before))
        what |= Aspect::Other;
    return what;
}
