// Arbitrary key sequences through the composition engine and the phonetic entry: no pending
// trigger survives a key that is no trigger, and the entry's highlighted choice is one of its
// choices.
#include "FuzzSupport.h"
#include "compose/ComposeTable.h"
#include "compose/CompositionEngine.h"
#include "symbols/PhoneticEntry.h"

namespace {

struct Field : ComposeField {
    QString text;
    void FocusField() override {}
    void ReplaceSelection(const QString &inserted) override { text += inserted; }
};

struct Pad : ComposePad {
    void ShowFollowUps(QChar) override {}
    void ClearFollowUps() override {}
};

struct View : PhoneticEntryView {
    QString inserted;
    void ShowChoices(const QString &, int) override {}
    void ClearChoices() override {}
    void SetKeyDown(QChar, bool) override {}
    void InsertSymbol(const QString &text) override { inserted += text; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString keys = Units(data, size);
    CompositionEngine engine;
    Field field;
    Pad pad;
    for (qsizetype i = 0; i < keys.size(); ++i) {
        const bool pair = keys[i].isHighSurrogate() && i + 1 < keys.size() && keys[i + 1].isLowSurrogate();
        const QStringView typed = QStringView(keys).mid(i, pair ? 2 : 1);
        if (pair)
            ++i;
        engine.ComposeCharacter({&pad, &field}, typed);
        if (pair || !IsTriggerKey(typed.front()))
            FUZZ_CHECK(!engine.PendingTrigger().has_value());
    }

    View view;
    PhoneticEntry entry(view);
    entry.SetCandidates(CandidateTable{{u'E', QStringLiteral("əɛɜɝ")}, {u'A', QStringLiteral("æɑɐ")}});
    for (QChar key : keys) {
        entry.PhoneticKeyPress(key);
        // The highlighted choice (1-based) is one of the choices while a key's choices are open.
        if (entry.Selecting())
            FUZZ_CHECK(entry.ChoiceIndex() >= 1 && entry.ChoiceIndex() <= entry.ChoiceCount());
    }
    return 0;
}
