// Japanese, in the words of Japanese Windows: タスク バー, デスクトップ,
// 最小化, 通知領域, with the access key after each menu item.
#include "shell/HelpText.h"
#include "shell/Texts.h"

namespace tremolux {

namespace {

// Its links lie on its last line and on the third from last.
constexpr const char* kHelp =
    "Tremolux について\r\n"
    "\r\n"
    "    Tremolux は、マウスの簡単な動きとジェスチャーでデスクトップのウィンドウを並べ、"
    "複数のウィンドウを同時に使う作業を楽にします。\r\n"
    "\r\n"
    "**********\r\n"
    "新機能\r\n"
    "v" TREMOLUX_VERSION_TEXT
    "\r\n"
    "新機能: マウス ポインターを画面の右下隅に置くと、デスクトップをプレビューできます"
    "(すべてのウィンドウが一時的に最小化されます)。ポインターが右下隅を離れると、"
    "ウィンドウはすべて元に戻ります。タスク バーの右端にある細いバーをクリックすると、"
    "デスクトップが表示され、すべてのウィンドウが最小化されます。\r\n"
    "**********\r\n"
    "\r\n"
    "使い方\r\n"
    "\r\n"
    "    作業のしかたに合わせて、ドラッグ アンド バンプ モード (既定) または"
    "スライド モード (さらに手早い) でウィンドウを配置できます。\r\n"
    "\r\n"
    "    ドラッグ アンド バンプ モードでは、ウィンドウのタイトル バーをドラッグして、"
    "ポインターを画面の左端 (または右端) に当てると、ウィンドウが画面の左半分 (または"
    "右半分) に配置されます。上端に当てると、ウィンドウが画面全体に広がります。\r\n"
    "\r\n"
    "    スライド モードは、ドラッグ アンド バンプ モードよりも手早く操作できます:\r\n"
    "\r\n"
    "・ポインターを画面の左端 (または右端) に沿って上から下へすばやく動かすと "
    "(100 ピクセルを超えれば十分です)、現在のウィンドウが画面の左半分 (または右半分) "
    "に配置されます。\r\n"
    "\r\n"
    "・上端に沿って左から右へすばやく動かすと (100 ピクセル超)、現在のウィンドウが"
    "画面全体に広がります。\r\n"
    "\r\n"
    "・下端に沿って左から右へすばやく動かすと (100 ピクセル超)、現在のウィンドウが"
    "最小化されます。\r\n"
    "\r\n"
    "    通知領域のアイコンのメニュー、またはショートカット キー Shift+F1 で、"
    "最後に配置したウィンドウを元のサイズと位置に戻せます。\r\n"
    "\r\n"
    "・ポインターを画面の右下隅に置くと、すべてのウィンドウが一時的に最小化され、"
    "デスクトップを見ることができます。ポインターを離すと、ウィンドウはすぐに元に戻り"
    "ます。右下隅の細いバーをクリックすると、[デスクトップの表示] ボタンと同じ働きを"
    "します。手を伸ばしやすく、画面を見なくても操作できます。\r\n"
    "\r\n"
    "    通知領域のメニューから、Tremolux によるウィンドウの最大化と最小化を、"
    "どちらか一方または両方とも止めることができます。\r\n"
    "\r\n"
    "    Windows の起動時に Tremolux を開始するかどうかを選べます。\r\n"
    "\r\n"
    "    Tremolux は、デスクトップで多くのウィンドウを使う方、たとえばウィンドウを"
    "左右に並べて見比べる事務職の方やソフトウェア開発者に向いています。もちろん、"
    "キーボードに手を伸ばすのも、マウスをクリックするのも面倒な「ものぐさ」な方にも ^_^。\r\n"
    "\r\n"
    "    作成: Tremolux チーム\r\n"
    "\r\n"
    "   メール:\r\n"
    "\r\n"
    "Web サイト:";

}  // namespace

constexpr Texts kJapaneseTexts{
    .restoreItem = "最後のウィンドウを元に戻す(&R)",
    .modeMenu = "操作モード(&M)",
    .dragBumpItem = "ドラッグ アンド バンプ モード (既定)(&D)",
    .slideItem = "スライド モード(&S)",
    .effectsMenu = "効果の無効化(&E)",
    .noMaxItem = "ウィンドウを最大化しない(&X)",
    .noMinItem = "ウィンドウを最小化しない(&N)",
    .startWithWindowsItem = "Windows の起動時に開始(&W)",
    .helpItem = "Tremolux について(&A)",
    .cleanUpItem = "設定の削除 (アンインストール前)(&T)",
    .exitItem = "終了(&X)",
    .alreadyRunning = "Tremolux は既に実行されています。",
    .informationCaption = "Tremolux",
    .cleanUpQuestion =
        "Tremolux がレジストリに保存したすべての情報を削除し、\r\n"
        "アンインストール後に何も残らないようにします。\r\n"
        "設定はすべて失われます。\r\n\r\n"
        "設定を削除しますか?",
    .cleanUpCaption = "Tremolux の設定の削除",
    .cleanUpDone =
        "設定を削除しました。Tremolux をアンインストールできます。\r\n"
        "ご利用ありがとうございました。ご意見をお待ちしています。",
    .cleanUpRefused =
        "一部の設定を削除できませんでした。管理者権限がない可能性があります。\r\n"
        "Tremolux を管理者として実行してから、もう一度お試しください。",
    .helpTitle = "Tremolux v" TREMOLUX_VERSION_TEXT " beta ヘルプ",
    .helpText = kHelp,
    .mailLine = "   メール:",
    .homePageLine = "Web サイト:",
    .mailLink = "メールを送る",
    .homePageLink = "Web サイトへ",
    .messageFont = true,
};

static_assert(Complete(kJapaneseTexts), "Japanese lacks a text");

}  // namespace tremolux
