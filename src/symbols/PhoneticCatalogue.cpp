#include "symbols/PhoneticCatalogue.h"

#include <algorithm>
#include <vector>

namespace {

struct Row {
    char16_t code;
    const char *englishName;
    const char *japaneseName;
    const char *japaneseDescription;  ///< phonetic category, at times after a hint ending in "。"
    const char *englishDescription;
};

// Sounds are described by their phonetic category; marks by their function. "1989廃止" and
// the like note a symbol's withdrawal from the IPA, "非IPA" a symbol outside it.
// clang-format off
constexpr Row kRows[] = {
    {0x002E, "Period", "ピリオド", "音節の区切り", "Syllable break"},
    {0x0060, "Grave accent", "重アクセント（重ね打ちなし）", "非IPA", "not IPA"},
    {0x0061, "Lower-case A", "小文字のA", "開 前舌 非円唇 母音", "Open front unrounded vowel"},
    {0x0062, "Lower-case B", "小文字のB", "有声 両唇 破裂音", "Voiced bilabial plosive"},
    {0x0063, "Lower-case C", "小文字のC", "無声 硬口蓋 破裂音", "Voiceless palatal plosive"},
    {0x0064, "Lower-case D", "小文字のD", "有声 歯あるいは歯茎 破裂音", "Voiced dental or alveolar plosive"},
    {0x0065, "Lower-case E", "小文字のE", "「エ」より少し口が開く。半狭 前舌 非円唇 母音", "Close-mid front unrounded vowel"},
    {0x0066, "Lower-case F", "小文字のF", "下唇に上の歯を軽く当てて「フ」。無声 唇歯 摩擦音", "Voiceless labiodental fricative"},
    {0x0067, "Looptail G", "輪状の尾のG", "有声 軟口蓋 破裂音", "Voiced velar plosive"},
    {0x0068, "Lower-case H", "小文字のH", "無声 声門 摩擦音", "Voiceless glottal fricative"},
    {0x0069, "Lower-case I", "小文字のI", "狭 前舌 非円唇 母音", "Close front unrounded vowel"},
    {0x006A, "Lower-case J", "小文字のJ", "有声 硬口蓋 接近音", "Voiced palatal approximant"},
    {0x006B, "Lower-case K", "小文字のK", "無声 軟口蓋 破裂音", "Voiceless velar plosive"},
    {0x006C, "Lower-case L", "小文字のL", "舌先を上の歯茎に付けたまま。有声 歯あるいは歯茎 側面接近音", "Voiced dental or alveolar lateral approximant"},
    {0x006D, "Lower-case M", "小文字のM", "有声 両唇 鼻音", "Voiced bilabial nasal"},
    {0x006E, "Lower-case N", "小文字のN", "有声 歯あるいは歯茎 鼻音", "Voiced dental or alveolar nasal"},
    {0x006F, "Lower-case O", "小文字のO", "半狭 後舌 円唇 母音", "Close-mid back rounded vowel"},
    {0x0070, "Lower-case P", "小文字のP", "無声 両唇 破裂音", "Voiceless bilabial plosive"},
    {0x0071, "Lower-case Q", "小文字のQ", "無声 口蓋垂 破裂音", "Voiceless uvular plosive"},
    {0x0072, "Lower-case R", "小文字のR", "舌を持ち上げ、舌先はどこにも付かず奥へそらし、巻き舌で「アー」。こもった音。有声　歯あるいは歯茎 ふるえ音", "Voiced dental or alveolar trill"},
    {0x0073, "Lower-case S", "小文字のS", "無声 歯あるいは歯茎 摩擦音", "Voiceless dental or alveolar fricative"},
    {0x0074, "Lower-case T", "小文字のT", "無声 歯あるいは歯茎 破裂音", "Voiceless dental or alveolar plosive"},
    {0x0075, "Lower-case U", "小文字のU", "狭 後舌 円唇 母音", "Close back rounded vowel"},
    {0x0076, "Lower-case V", "小文字のV", "下唇に上の歯を軽く当てて「ヴ」。有声 唇歯 摩擦音", "Voiced labiodental fricative"},
    {0x0077, "Lower-case W", "小文字のW", "唇を丸めて突き出す。有声 両唇軟口蓋 接近音", "Voiced labial-velar approximant"},
    {0x0078, "Lower-case X", "小文字のX", "無声 軟口蓋 摩擦音", "Voiceless velar fricative"},
    {0x0079, "Lower-case Y", "小文字のY", "狭 前舌 円唇 母音", "Close front rounded vowel"},
    {0x007A, "Lower-case Z", "小文字のZ", "有声 歯あるいは歯茎 摩擦音", "Voiced dental or alveolar fricative"},
    {0x007C, "Vertical line (thick)", "縦の線（太線）", "小さなイントネーションのまとまり", "Minor (foot) group"},
    {0x00B4, "Acute accent", "鋭アクセント（重ね打ちなし）", "非IPA", "not IPA"},
    {0x00E6, "Ash", "アッシュ", "「エ」の口で「ア」。準開 前舌 非円唇 母音", "Near-open front unrounded vowel"},
    {0x00E7, "C cedilla", "セディーユつきのC", "無声 硬口蓋 摩擦音", "Voiceless palatal fricative"},
    {0x00F0, "Eth", "エズ", "舌先を上の歯で軽くはさんで「ズ」。有声 歯 摩擦音", "Voiced dental fricative"},
    {0x00F8, "Slashed O", "斜線つきのO", "半狭 前舌 円唇 母音", "Close-mid front rounded vowel"},
    {0x010D, "C wedge", "くさびつきのC", "非IPA/ 無声 後部歯茎 破擦音", "not IPA / Voiceless postalveolar affricate"},
    {0x0111, "Lower-case D with stroke", "横棒つき小文字のD", "", ""},
    {0x0127, "Barred H", "横棒つきのH", "無声 咽頭 摩擦音", "Voiceless pharyngeal fricative"},
    {0x0131, "Undotted I", "点なしのI", "非IPA", "not IPA"},
    {0x014B, "Eng", "エング", "鼻に抜ける「ング」。有声 軟口蓋 鼻音", "Voiced velar nasal"},
    {0x0153, "Lowercase O-E ligature", "小文字OとEの合字", "半広 前舌 円唇 母音", "Open-mid front rounded vowel"},
    {0x0161, "S wedge", "くさびつきのS", "非IPA/ 無声 後部歯茎 摩擦音", "not IPA / Voiceless postalveolar fricative"},
    {0x017E, "Z wedge", "くさびつきのZ", "非IPA/ 有声 後部歯茎 摩擦音", "not IPA / Voiced postalveolar fricative"},
    {0x0188, "Hooktop C", "上かぎつきのC", "1993廃止/ 無声 硬口蓋 入破音", "Voiceless palatal implosive"},
    {0x0199, "Hooktop K", "上かぎつきのK", "1993廃止/ 無声 軟口蓋 入破音", "Voiceless velar implosive"},
    {0x019B, "Barred lambda", "横棒つきのラムダ", "非IPA/ 無声 歯茎 側面破擦音", "not IPA / Voiceless alveolar lateral affricate"},
    {0x019E, "N, right leg", "右足つきのN", "1976廃止/ 音節主音的 鼻音", "Syllabic nasal"},
    {0x01A5, "Hooktop P", "上かぎつきのP", "1993廃止/ 無声 両唇 入破音", "Voiceless bilabial implosive"},
    {0x01AB, "Left-hook T", "左向きかぎつきのT", "1989廃止/ 硬口蓋化 無声 歯あるいは歯茎 破裂音", "Palatalized voiceless dental or aveolar plosive"},
    {0x01AD, "Hooktop T", "上かぎつきのT", "1993廃止/ 無声 歯あるいは歯茎 入破音", "Voiceless dental or alveolar implosive"},
    {0x01BB, "Barred 2", "横棒つきの2", "1976廃止/ 有声 歯茎 破擦音", "Voiced alveolar affricate"},
    {0x01F0, "J wedge", "くさびつきのJ", "非IPA/ 有声 後部歯茎 破擦音", "not IPA / Voiced postalveolar affricate"},
    {0x0250, "Turned A", "逆さのA", "準開 中舌 母音", "Near-open central vowel"},
    {0x0251, "Script A", "筆記体のA", "口を大きく開け、のどの奥で「アー」。開 後舌 非円唇 母音", "Open back unrounded vowel"},
    {0x0252, "Turned Script A", "逆さ筆記体のA", "開 後舌 円唇 母音", "Open back rounded vowel"},
    {0x0253, "Hooktop B", "上かぎつきのB", "有声 両唇 入破音", "Voiced bilabial implosive"},
    {0x0254, "Open O", "開いたO", "口を縦に大きく開けて「オ」。半広 後舌 円唇 母音", "Open-mid back rounded vowel"},
    {0x0255, "Curly-tail C", "曲がった尾つきのC", "無声 歯茎硬口蓋 摩擦音", "Voiceless alveolo-palatal fricative"},
    {0x0256, "Right-tail D", "右向き尾つきのD", "有声 そり舌 破裂音", "Voiced retroflex plosive"},
    {0x0257, "Hooktop D", "上かぎつきのD", "有声 歯あるいは歯茎 入破音", "Voiced dental or alveolar implosive"},
    {0x0258, "Reversed E", "逆向きのE", "半狭 中舌 非円唇 母音", "Close-mid central unrounded vowel"},
    {0x0259, "Schwa", "シュワー", "「ウ」をあいまいに発音する感じ。中段 中舌 母音", "Mid central vowel"},
    {0x025A, "Right-hook Schwa", "右かぎつきのシュワー", "舌先を奥へそらして、あいまいに「アー」。R音化 中段 中舌 母音", "Rhotacized mid central vowel"},
    {0x025B, "Epsilon", "エプシロン", "日本語の「エ」より口を開く。半広 前舌 非円唇 母音", "Open-mid front unrounded vowel"},
    {0x025C, "Reversed epsilon", "逆向きのエプシロン", "半広 中舌 非円唇 母音", "Open-mid central unrounded vowel"},
    {0x025E, "Closed reversed epsilon", "閉じた逆向きのエプシロン", "半広 中舌 円唇 母音", "Open-mid central rounded vowel"},
    {0x025F, "Barred dotless J", "横棒つき点なしのJ", "有声 硬口蓋 破裂音", "Voiced palatal plosive"},
    {0x0260, "Hooktop G", "上かぎつきのG", "有声 軟口蓋 入破音", "Voiced velar implosive"},
    {0x0261, "Opentail G", "開いた尾のG", "有声 軟口蓋 破裂音", "Voiced velar plosive"},
    {0x0262, "Small capital G", "小型大文字G", "有声 口蓋垂 破裂音", "Voiced uvular plosive"},
    {0x0263, "Gamma", "ガンマ", "有声 軟口蓋 摩擦音", "Voiced velar fricative"},
    {0x0264, "Ram' horns", "羊の角", "半狭 後舌 非円唇 母音", "Close-mid back unrounded vowel"},
    {0x0265, "Turned H", "逆さのH", "有声 唇硬口蓋 接近音", "Voiced labial-palatal approximant"},
    {0x0266, "Hooktop H", "上かぎつきのH", "有声 声門 摩擦音", "Voiced glottal fricative"},
    {0x0267, "Hooktop heng", "上かぎつきのヘング", "無声 後部歯茎軟口蓋 摩擦音", "Voiceless postalveolar-velar fricative"},
    {0x0268, "Barred I", "横棒つきのI", "狭 中舌 非円唇 母音", "Close central unrounded vowel"},
    {0x0269, "Iota", "イオタ", "1989廃止/ 準狭 前舌 非円唇 母音", "Near-close front unrounded vowel"},
    {0x026A, "Small capital I", "小型大文字I", "「イ」と「エ」の中間で短く「イ」。準狭 前舌 非円唇 母音", "Near-close front unrounded vowel"},
    {0x026B, "L with tilde", "ティルデつきのL", "軟口蓋化 有声 歯茎 側面接近音", "Velarized voiced alveolar lateral approximant"},
    {0x026C, "Belted L", "帯つきのL", "無声 歯茎 側面摩擦音", "Voiceless alveolar lateral fricative"},
    {0x026D, "Right-tail L", "右向き尾つきのL", "有声 そり舌 側面接近音", "Voiced retroflex lateral approximant"},
    {0x026E, "L-Ezh ligature", "Lとエッジュの合字", "有声 歯茎 側面摩擦音", "Voiced alveolar lateral fricative"},
    {0x026F, "Turned M", "逆さのM", "唇を丸めずに「ウ」。狭 後舌 非円唇 母音", "Close back unrounded vowel"},
    {0x0270, "Turned M, right leg", "右足つき逆さのM", "有声 軟口蓋 接近音", "Voiced velar approximant"},
    {0x0271, "Left-tail M", "左向き尾つきのM", "有声 唇歯 鼻音", "Voiced labiodental nasal"},
    {0x0272, "Left-tail N", "左向き尾つきのN", "「ニャ」行の子音。有声 硬口蓋 鼻音", "Voiced palatal nasal"},
    {0x0273, "Right-tail N", "右向き尾つきのN", "有声 そり舌 鼻音", "Voiced retroflex nasal"},
    {0x0274, "Small capital N", "小型大文字N", "語末の「ン」に近い。有声 口蓋垂 鼻音", "Voiced uvular nasal"},
    {0x0275, "Barred O", "横棒つきのO", "半狭 中舌 円唇 母音", "Close-mid central rounded vowel"},
    {0x0276, "Small capital O-E ligature", "小型大文字OとEの合字", "開 前舌 円唇 母音", "Open front rounded vowel"},
    {0x0277, "Closed omega", "閉じたオメガ", "1989廃止/ 準狭 後舌 円唇 母音", "Near-close back rounded vowel"},
    {0x0278, "Phi", "フィー（ファイ）", "「フ」の子音。無声 両唇 摩擦音", "Voiceless bilabial fricative"},
    {0x0279, "Turned R", "逆さのR", "舌先をどこにも付けずに奥へそらす。有声 歯茎 接近音", "Voiced alveolar approximant"},
    {0x027A, "Turned long-leg R", "逆さ足長のR", "有声 歯茎 側面はじき音", "Voiced alveolar lateral flap"},
    {0x027B, "Turned R, right-tail", "右向き尾つき逆さのR", "有声 そり舌 接近音", "Voiced retroflex approximant"},
    {0x027C, "Long-leg R", "足長のR", "1989廃止/ 有声 歯茎 摩擦ふるえ音", "Voiced alveolar fricative trill"},
    {0x027D, "Right-tail R", "右向き尾つきのR", "有声 そり舌 はじき音", "Voiced retroflex flap"},
    {0x027E, "Fish-hook R", "釣針のR", "「ラ」行の子音に近い。有声 歯茎 はじき音", "Voiced alveolar tap"},
    {0x0280, "Small capital R", "小型大文字R", "有声 口蓋垂 ふるえ音", "Voiced uvular trill"},
    {0x0281, "Inverted small capital R", "上下逆の小型大文字R", "のどの奥でこするR。有声 口蓋垂 摩擦音", "Voiced uvular fricative"},
    {0x0282, "Right-tail S", "右向き尾つきのS", "無声 そり舌 摩擦音", "Voiceless retroflex fricative"},
    {0x0283, "Esh", "エッシュ", "音は「シ」。無声 後部歯茎 摩擦音", "Voiceless postalveolar fricative"},
    {0x0284, "Hooktop barred dotless J", "上かぎ、横棒つき、点なしのJ", "有声 硬口蓋 入破音", "Voiced palatal implosive"},
    {0x0286, "Curly-tail esh", "曲がった尾つきのエッシュ", "1989廃止/ 無声 歯茎硬口蓋 摩擦音", "Voiceless alveolo-palatal fricative"},
    {0x0287, "Turned T", "逆さのT", "1989廃止/ 歯 吸着音", "Dental click"},
    {0x0288, "Right-tail T", "右向き尾つきのT", "無声 そり舌 破裂音", "Voiceless retroflex plosive"},
    {0x0289, "Barred U", "横棒つきU", "狭 中舌 円唇 母音", "Close central rounded vowel"},
    {0x028A, "Upsilon", "ユプシロン", "唇を軽く丸めて短く「ウ」。準狭 後舌 円唇 母音", "Near-close back rounded vowel"},
    {0x028B, "Cursive V", "筆記体のV", "有声 唇歯 接近音", "Voiced labiodental approximant"},
    {0x028C, "Turned V", "逆さののV", "口をあまり開けずに短く「ア」。半広 後舌 非円唇 母音", "Open-mid back unrounded vowel"},
    {0x028D, "Turned W", "逆さのW", "無声 両唇軟口蓋 摩擦音", "Voiceless labial-velar fricative"},
    {0x028E, "Turned Y", "逆さのY", "有声 硬口蓋 側面接近音", "Voiced palatal lateral approximant"},
    {0x028F, "Small capital Y", "小型大文字Y", "準狭 前舌 円唇 母音", "Near-close front rounded vowel"},
    {0x0290, "Right-tail Z", "右向き尾つきのZ", "有声 そり舌 摩擦音", "Voiced retroflex fricative"},
    {0x0291, "Curly-tail Z", "曲がった尾つきのZ", "有声 歯茎硬口蓋 摩擦音", "Voiced alveolo-palatal fricative"},
    {0x0292, "Ezh (Tailed Z)", "エッジュ (尾つきのZ)", "音は「ジ」を摩擦させた感じ。有声 後部歯茎 摩擦音", "Voiced postalveolar fricative"},
    {0x0293, "Curly-tail ezh", "曲がった尾つきのエッジュ", "1989廃止/ 有声 歯茎硬口蓋 摩擦音", "Voiced alveolo-palatal fricative"},
    {0x0294, "Glottal stop", "声門閉鎖", "のどを一瞬閉じる。声門 破裂音", "Glottal plosive"},
    {0x0295, "Reversed glottal stop", "逆向きの声門閉鎖", "有声 咽頭 摩擦音", "Voiced pharyngeal fricative"},
    {0x0296, "Inverted glottal stop", "上下逆の声門閉鎖", "1989廃止/ 歯茎 側面吸着音", "Alveolar lateral click"},
    {0x0297, "Stretched C", "縦長のC", "1989廃止/ 後部歯茎 吸着音", "Postalveolar click"},
    {0x0298, "Bull's eye O", "矢の的", "両唇 吸着音", "Bilabial click"},
    {0x0299, "Small capital B", "小型大文字B", "有声 両唇 ふるえ音", "Voiced bilabial trill"},
    {0x029A, "Closed epsilon", "閉じたエプシロン", "非IPA", "not IPA"},
    {0x029B, "Hooktop small capital G", "上かぎつき小型大文字G", "有声 口蓋垂 入破音", "Voiced uvular implosive"},
    {0x029C, "Small capital H", "小型大文字H", "無声 喉頭蓋 摩擦音", "Voiceless epiglottal fricative"},
    {0x029D, "Curly-tail J", "曲がった尾つきのJ", "有声 硬口蓋 摩擦音", "Voiced palatal fricative"},
    {0x029E, "Turned K", "逆さのK", "非IPA", "not IPA"},
    {0x029F, "Small capital L", "小型大文字L", "有声 軟口蓋 側面接近音", "Voiced velar lateral approximant"},
    {0x02A0, "Hooktop Q", "上かぎつきのQ", "1993廃止/ 無声 口蓋垂 入破音", "Voiceless uvular implosive"},
    {0x02A1, "Barred glottal stop", "横棒つきの声門閉鎖", "喉頭蓋 破裂音", "Epiglottal plosive"},
    {0x02A2, "Barred reversed glottal stop", "横棒つき逆向きの声門閉鎖", "有声 喉頭蓋 摩擦音", "Voiced epiglottal fricative"},
    {0x02A3, "D-Z ligature", "DとZの合字", "有声 歯茎 破擦音", "Voiced alveolar affricate"},
    {0x02A4, "D-Ezh ligature", "DとエッジュZの合字", "英語のJの音。有声 後部歯茎 破擦音", "Voiced postalveolar affricate"},
    {0x02A5, "D-Curly-tail-Z ligature", "Dと曲がった尾つきのZの合字", "有声 歯茎硬口蓋 破擦音", "Voiced alveolo-palatal affricate"},
    {0x02A6, "T-S ligature", "TとSの合字", "音は「ツ」。無声 歯茎 破擦音", "Voiceless alveolar affricate"},
    {0x02A7, "T-Esh ligature", "Tとエッシュの合字", "音は「チ」。無声 後部歯茎 破擦音", "Voiceless postalveolar affricate"},
    {0x02A8, "T-Curlt-tai-C ligature", "Tと曲がった尾つきのCの合字", "無声 歯茎硬口蓋 破擦音", "Voiceless alveolo-palatal affricate"},
    {0x02B0, "Superscript H", "上つきのH", "帯気音化", "Aspirated"},
    {0x02B2, "Superscript J", "上つきのJ", "硬口蓋化", "Palatalized"},
    {0x02B7, "Superscript W", "上つきのW", "唇音化", "Labialized"},
    {0x02B8, "Superscript Y", "上つきのY", "非IPA", "not IPA"},
    {0x02C0, "Superscript glottal stop", "上つきの声門閉鎖", "非IPA", "not IPA"},
    {0x02C8, "Vertical stroke(superior)", "短い縦線（上）", "第1強勢", "Primary stress"},
    {0x02CC, "Vertical stroke(inferior)", "短い縦線（下）", "第2強勢", "Secondary stress"},
    {0x02D0, "Length mark", "長音符", "長音", "Long"},
    {0x02D1, "Half-length mark", "半長音符", "半長音", "Half-long"},
    {0x02E0, "Superscript gamma", "上つきのガンマ", "軟口蓋化", "Velarized"},
    {0x02E1, "Superscript L", "上つきのL", "側面開放", "Lateral release"},
    {0x02E2, "Superscript S", "上つきのS", "1989廃止", ""},
    {0x02E3, "Superscript X", "上つきのX", "非IPA", "not IPA"},
    {0x02E4, "Superscript reversed glottal stop", "上つき逆向きの声門閉鎖", "咽頭化", "Pharyngealized"},
    {0x0300, "Grave accent", "重アクセント", "低平調", "Low tone"},
    {0x0301, "Acute accent", "鋭アクセント", "高平調", "High tone"},
    {0x0302, "Circumflex", "曲アクセント", "下降調", "Falling tone"},
    {0x0303, "Superscript tilde", "上つきのティルデ", "鼻音化音", "Nasalized"},
    {0x0304, "Macron", "マクロン", "中平調", "Mid tone"},
    {0x0306, "Breve", "ブリーヴ", "超短", "Extra-short"},
    {0x0308, "Umlaut", "ウムラウト", "中舌寄り", "Centralized"},
    {0x030B, "Double acute accent", "二重鋭アクセント", "超高平調", "Extra-high tone"},
    {0x030C, "Wedge", "くさび, ﾊｰﾁｪｯｸ", "上昇調", "Rising tone"},
    {0x030F, "Double grave accent", "二重重アクセント", "超低平調", "Extra-low tone"},
    {0x0323, "Under-dot", "下の点", "非IPA", "not IPA"},
    {0x0325, "Under-ring", "下丸", "無声化", "Voiceless"},
    {0x032C, "Subscript wedge", "下つきのきくさび", "有声化", "Voiced"},
    {0x032E, "Combining breve below", "下つきのブリーブ", "非IPA", "not IPA"},
    {0x0361, "Top tie bar", "上部連結線", "破擦音 あるいは 二重調音", "Affricate or double articulation"},
    {0x03B2, "Beta", "ベータ", "有声 両唇 摩擦音", "Voiced bilabial fricative"},
    {0x03B8, "Theta", "シータ（テータ）", "舌先を上の歯で軽くはさんで「ス」。無声 歯 摩擦音", "Voiceless dental fricative"},
    {0x03BB, "Lambda", "ラムダ", "非IPA/ 有声 歯茎 側面破擦音", "not IPA / Voiced alveolar lateral affricate"},
    {0x03C7, "Chi", "カイ（キー）", "無声 口蓋垂 摩擦音", "Voiceless uvular fricative"},
    {0x1D1C, "Small capital U", "小型大文字U", "非IPA/ 準狭 後舌 円唇 母音", "not IPA / Near-close back rounded vowel"},
    {0x1D4A, "Superscript Schwa", "上つきのシュワー", "中段 中舌 母音の開放", "Mid central vowel release"},
    {0x1D4F, "Superscript K", "上つきのK", "韓国語の終声に用いられる。", ""},
    {0x1D56, "Superscript P", "上つきのP", "韓国語の終声に用いられる。", ""},
    {0x1D57, "Superscript T", "上つきののT", "韓国語の終声に用いられる。", ""},
    {0x1DBF, "Superscript theta", "上つきのシータ（テータ）", "歯 摩擦開放", "Dental fricative release"},
    {0x2016, "Double vertical line (thick)", "二重の縦線", "大きなイントネーションのまとまり", "Major (intonation) group"},
    {0x203F, "Bottom tie bar", "下部連結線", "連結（切れ目がないこと）", "Linking (absence of a break)"},
    {0x207F, "Superscript N", "上つきのN", "鼻腔開放", "Nasal release"},
};
// clang-format on

std::vector<PhoneticSymbol> MakeCatalogue()
{
    std::vector<PhoneticSymbol> catalogue;
    catalogue.reserve(std::size(kRows));
    for (const Row &row : kRows) {
        catalogue.push_back({row.code, QString::fromUtf8(row.englishName), QString::fromUtf8(row.japaneseName),
                             QString::fromUtf8(row.japaneseDescription), QString::fromUtf8(row.englishDescription)});
    }
    return catalogue;
}

}  // namespace

std::span<const PhoneticSymbol> PhoneticCatalogue()
{
    static const std::vector<PhoneticSymbol> catalogue = MakeCatalogue();
    return catalogue;
}

PhoneticSymbol PhoneticSymbolInfo(char16_t code)
{
    const std::span<const PhoneticSymbol> catalogue = PhoneticCatalogue();
    const auto found = std::lower_bound(catalogue.begin(), catalogue.end(), code,
                                        [](const PhoneticSymbol &symbol, char16_t c) { return symbol.code < c; });
    if (found != catalogue.end() && found->code == code)
        return *found;
    return {code, {}, {}, {}, {}};
}

QString PhoneticSymbolInfoText(char16_t code)
{
    const PhoneticSymbol symbol = PhoneticSymbolInfo(code);
    return QStringLiteral("■名称:\n %1\n■意味:\n %2\n■コード値: %3")
        .arg(symbol.japaneseName, symbol.japaneseDescription,
             QStringLiteral("%1").arg(uint(code), 4, 16, QLatin1Char('0')).toUpper());
}
