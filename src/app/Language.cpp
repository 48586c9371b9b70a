#include "app/Language.h"

const std::array<Language, LanguageCount> &Languages()
{
    static const std::array<Language, LanguageCount> table{{
        {"E", "English", "英　語", "英日", "日英", "英語", 0, 1},
        {"I", "Italian", "イタリア語", "伊日", "日伊", "イタリア語", 2, 3},
        {"F", "French", "フランス語", "仏日", "日仏", "フランス語", 4, 5},
        {"S", "Spanish", "スペイン語", "西日", "日西", "スペイン語", 6, 10},
        {"P", "Portuguese", "ﾎﾟﾙﾄｶﾞﾙ語", "葡日", "日葡", "ポルトガル語", 11, 12},
        {"G", "German", "ドイツ語", "独日", "日独", "ドイツ語", 13, 15},
    }};
    return table;
}
