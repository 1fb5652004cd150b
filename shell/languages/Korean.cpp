// Korean, in the words of Korean Windows: 작업 표시줄, 바탕 화면, 최소화,
// 알림 영역, with the access key after each menu item.
#include "shell/HelpText.h"
#include "shell/Texts.h"

namespace tremolux {

namespace {

// Its links lie on its last line and on the third from last.
constexpr const char* kHelp =
    "Tremolux 정보\r\n"
    "\r\n"
    "    Tremolux는 마우스의 간단한 동작과 제스처로 바탕 화면의 창을 정렬하여 "
    "여러 창을 동시에 사용하는 작업을 더 쉽게 해 줍니다.\r\n"
    "\r\n"
    "**********\r\n"
    "새로운 기능\r\n"
    "v" TREMOLUX_VERSION_TEXT
    "\r\n"
    "새 기능: 마우스 포인터를 화면 오른쪽 아래 모서리에 두면 바탕 화면을 미리 볼 수 "
    "있습니다(모든 창이 잠시 최소화됨). 포인터가 모서리를 벗어나면 모든 창이 다시 "
    "나타납니다. 작업 표시줄 오른쪽 끝의 가는 막대를 클릭하면 바탕 화면이 표시되고 "
    "모든 창이 최소화됩니다.\r\n"
    "**********\r\n"
    "\r\n"
    "사용 방법\r\n"
    "\r\n"
    "    작업 방식에 맞게 끌어서 부딪히기 모드(기본값) 또는 슬라이드 모드(더 빠름)로 "
    "창을 배치할 수 있습니다.\r\n"
    "\r\n"
    "    끌어서 부딪히기 모드에서는 창의 제목 표시줄을 끌어 포인터가 화면의 왼쪽(또는 "
    "오른쪽) 가장자리에 닿게 하면 창이 화면의 왼쪽(또는 오른쪽) 절반을 차지합니다. "
    "위쪽 가장자리에 닿게 하면 창이 화면 전체에 펼쳐집니다.\r\n"
    "\r\n"
    "    슬라이드 모드는 끌어서 부딪히기 모드보다 빠릅니다.\r\n"
    "\r\n"
    "· 포인터를 화면의 왼쪽(또는 오른쪽) 가장자리를 따라 위에서 아래로 빠르게 "
    "움직이면(100픽셀을 넘으면 충분함) 현재 창이 화면의 왼쪽(또는 오른쪽) 절반을 "
    "차지합니다.\r\n"
    "\r\n"
    "· 위쪽 가장자리를 따라 왼쪽에서 오른쪽으로 빠르게 움직이면(100픽셀 이상) "
    "현재 창이 화면 전체에 펼쳐집니다.\r\n"
    "\r\n"
    "· 아래쪽 가장자리를 따라 왼쪽에서 오른쪽으로 빠르게 움직이면(100픽셀 이상) "
    "현재 창이 최소화됩니다.\r\n"
    "\r\n"
    "    알림 영역 아이콘의 메뉴나 바로 가기 키 Shift+F1을 사용하면 마지막으로 "
    "배치한 창을 원래 크기와 위치로 되돌릴 수 있습니다.\r\n"
    "\r\n"
    "· 포인터를 화면 오른쪽 아래 모서리에 두면 모든 창이 잠시 최소화되어 바탕 화면을 "
    "볼 수 있고, 포인터를 치우면 모든 창이 바로 돌아옵니다. 그 모서리의 가는 막대를 "
    "클릭하면 [바탕 화면 보기] 단추와 같은 일을 하며, 훨씬 쉽게 닿아 화면을 보지 않고도 "
    "할 수 있습니다.\r\n"
    "\r\n"
    "    알림 영역 메뉴에서 Tremolux가 창을 최대화하거나 최소화하지 않도록 하나 또는 "
    "둘 다 끌 수 있습니다.\r\n"
    "\r\n"
    "    Windows를 시작할 때 Tremolux를 함께 실행할지 선택할 수 있습니다.\r\n"
    "\r\n"
    "    Tremolux는 바탕 화면에서 여러 창으로 일하는 분, 예를 들어 창을 나란히 놓고 "
    "비교하는 사무직 직원이나 소프트웨어 개발자에게 알맞습니다. 물론 키보드에 손을 "
    "뻗거나 마우스를 클릭하는 것조차 귀찮은 ‘게으른’ 분에게도 ^_^.\r\n"
    "\r\n"
    "    만든 이: Tremolux 팀\r\n"
    "\r\n"
    "   이메일:\r\n"
    "\r\n"
    "웹 사이트:";

}  // namespace

constexpr Texts kKoreanTexts{
    .restoreItem = "마지막 창 복원(&R)",
    .modeMenu = "작동 모드(&M)",
    .dragBumpItem = "끌어서 부딪히기 모드 - 기본값(&D)",
    .slideItem = "슬라이드 모드(&S)",
    .effectsMenu = "효과 끄기(&E)",
    .noMaxItem = "창을 최대화하지 않음(&X)",
    .noMinItem = "창을 최소화하지 않음(&N)",
    .startWithWindowsItem = "Windows 시작 시 실행(&W)",
    .helpItem = "Tremolux 정보(&A)",
    .cleanUpItem = "설정 삭제 - 프로그램 제거 전에 사용(&T)",
    .exitItem = "끝내기(&X)",
    .alreadyRunning = "Tremolux가 이미 실행 중입니다.",
    .informationCaption = "Tremolux",
    .cleanUpQuestion =
        "Tremolux가 레지스트리에 저장한 모든 정보를 삭제하여\r\n"
        "프로그램을 제거한 뒤 아무것도 남지 않게 합니다.\r\n"
        "모든 설정이 없어집니다.\r\n\r\n"
        "설정을 삭제하시겠습니까?",
    .cleanUpCaption = "Tremolux 설정 삭제",
    .cleanUpDone =
        "설정을 삭제했습니다. 이제 Tremolux를 제거할 수 있습니다.\r\n"
        "사용해 주셔서 감사합니다. 의견을 보내 주시면 고맙겠습니다.",
    .cleanUpRefused =
        "일부 설정을 삭제하지 못했습니다. 관리자 권한이 없을 수 있습니다.\r\n"
        "관리자 권한으로 Tremolux를 실행한 뒤 다시 시도하십시오.",
    .helpTitle = "Tremolux v" TREMOLUX_VERSION_TEXT " beta 도움말",
    .helpText = kHelp,
    .mailLine = "   이메일:",
    .homePageLine = "웹 사이트:",
    .mailLink = "메일 보내기",
    .homePageLink = "웹 사이트 방문",
    .messageFont = true,
};

static_assert(Complete(kKoreanTexts), "Korean lacks a text");

}  // namespace tremolux
