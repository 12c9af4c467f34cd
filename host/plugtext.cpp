// English explanations of the plug-in's message texts.
#include "plugtext.h"

#include <string.h>

static const struct {
    const char *pszText;       // as the plug-in shows it, UTF-8
    const char *pszExplained;
} s_aText[] = {
    {"FFT計算指定範囲がページ範囲をオーバーしています。",
     "the section does not fit in the page: give a smaller --section-offset"},
    {"区間FFT演算を正常に実行しました。", "section FFT done"},
    {"ページ区間FFT演算を正常に実行しました。", "page FFT done"},
    {"CSVファイルに正常に保存しました。", "report saved"},
    {"CSVファイルの保存に失敗しました。", "the report could not be saved"},
    {"区間FFT実行しました（チャネルRateと基本Rateが異なります）",
     "section FFT done; a channel's rate differs from the base rate"},
    {"最大加算回数(100)をオーバーしています。",
     "ADD refused: the plug-in sums at most 100 sections"},
    {"電極単位データでは、リモンタージュ再生でなければ解析できません。",
     "per-electrode data can be analysed only in remontage playback"},
    {"ＦＦＴポイント数とページ時間の関係が不正です。FFTポイント数を変更してください。",
     "the FFT size does not suit the page length at a channel's rate, so that channel gets no spectrum: "
     "choose another --page-seconds or FFTINFO.FFTPoint"},
};

const char *PlugTextExplain(const char *pszUtf8)
{
    for (const auto &text : s_aText) {
        if (strcmp(text.pszText, pszUtf8) == 0)
            return text.pszExplained;
    }
    return NULL;
}
