// Sample texts that tools/show-dialog puts into the templates for the
// screenshots in docs/screens, in code page 932 (tools/sjis-literal makes the
// escaped form; the Japanese stands beside each one).  They show how long
// Japanese lines sit in the templates' text items.
#pragma once

namespace sampletexts {

// brantlewickのアップデートを開始します。よろしいですか？
inline constexpr const char kSampleStartQuestion[] =
    "brantlewick\202\314\203A\203b\203v\203f\201[\203g\202\360\212J\216n\202\265\202\334\202\267"
    "\201B\202\346\202\353\202\265\202\242\202\305\202\267\202\251\201H";
// パッチの説明：通常版を最新の状態に更新します。
inline constexpr const char kSampleDescription[] =
    "\203p\203b\203`\202\314\220\340\226\276\201F\222\312\217\355\224\305\202\360\215\305\220V"
    "\202\314\217\363\221\324\202\311\215X\220V\202\265\202\334\202\267\201B";
// 通常版パッチ
inline constexpr const char kSamplePatch0[] = "\222\312\217\355\224\305\203p\203b\203`";
// 体験版パッチ
inline constexpr const char kSamplePatch1[] = "\221\314\214\261\224\305\203p\203b\203`";
// 更新を続けますか？
inline constexpr const char kSampleQuestion[] = "\215X\220V\202\360\221\261\202\257\202\334\202\267\202\251\201H";
// brantlewickのアップデートを終了しました。
inline constexpr const char kSampleFinished[] =
    "brantlewick\202\314\203A\203b\203v\203f\201[\203g\202\360\217I\227\271\202\265\202\334\202\265"
    "\202\275\201B";
// C:\Program Files\サンプルビューア\voice\0012.wav: the file that the archive
// builder's writing dialog shows while it writes it
inline constexpr const char kSampleArchivedFile[] =
    "C:\\Program Files\\\203T\203\223\203v\203\213\203r\203\205\201[\203A\\voice\\0012.wav";

}  // namespace sampletexts
