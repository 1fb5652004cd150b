// Polish, in the words of Polish Windows: pasek zadań, pulpit,
// minimalizować, obszar powiadomień, „Pokaż pulpit”.
#include "shell/HelpText.h"
#include "shell/Texts.h"

namespace tremolux {

namespace {

// Its links lie on its last line and on the third from last.
constexpr const char* kHelp =
    "Informacje o programie Tremolux\r\n"
    "\r\n"
    "    Tremolux rozmieszcza okna na pulpicie za pomocą prostych ruchów i gestów myszy, "
    "aby praca z wieloma oknami naraz była łatwiejsza.\r\n"
    "\r\n"
    "**********\r\n"
    "Co nowego\r\n"
    "v" TREMOLUX_VERSION_TEXT
    "\r\n"
    "Nowość: zatrzymaj wskaźnik w prawym dolnym rogu ekranu, aby zerknąć na pulpit "
    "(wszystkie okna zostaną na chwilę zminimalizowane); gdy wskaźnik opuści róg, "
    "wszystkie okna wrócą. Kliknięcie wąskiego paska na prawym końcu paska zadań pokazuje "
    "pulpit: minimalizuje wszystkie okna.\r\n"
    "**********\r\n"
    "\r\n"
    "Jak to działa\r\n"
    "\r\n"
    "    Rozmieszczaj okna tak, jak pasuje do Twojej pracy: w trybie „Przeciągnij i "
    "uderz” (domyślnym) lub w trybie „Przesuwanie” (jeszcze szybszym).\r\n"
    "\r\n"
    "    W trybie „Przeciągnij i uderz” przeciągnij okno za pasek tytułu, aż wskaźnik "
    "uderzy w lewą (lub prawą) krawędź ekranu: okno zajmie lewą (lub prawą) połowę "
    "ekranu. Gdy uderzy w górną krawędź, okno rozciągnie się na cały ekran.\r\n"
    "\r\n"
    "    Tryb „Przesuwanie” jest szybszy niż „Przeciągnij i uderz”:\r\n"
    "\r\n"
    "· szybko przesuń wskaźnik w dół wzdłuż lewej (lub prawej) krawędzi ekranu "
    "(wystarczy ponad 100 pikseli): bieżące okno zajmie lewą (lub prawą) połowę "
    "ekranu;\r\n"
    "\r\n"
    "· szybko przesuń go od lewej do prawej wzdłuż górnej krawędzi (ponad 100 pikseli): "
    "bieżące okno rozciągnie się na cały ekran;\r\n"
    "\r\n"
    "· szybko przesuń go od lewej do prawej wzdłuż dolnej krawędzi (ponad 100 pikseli): "
    "bieżące okno zostanie zminimalizowane.\r\n"
    "\r\n"
    "    Menu ikony w obszarze powiadomień i skrót klawiaturowy Shift+F1 przywracają "
    "ostatnio rozmieszczonemu oknu jego poprzedni rozmiar i położenie.\r\n"
    "\r\n"
    "· Zatrzymaj wskaźnik w prawym dolnym rogu ekranu, aby na chwilę zminimalizować "
    "wszystkie okna i spojrzeć na pulpit; odsuń go, a wszystkie okna od razu wrócą. "
    "Kliknięcie wąskiego paska w tym rogu działa jak przycisk „Pokaż pulpit”, a trafić w "
    "niego jest o wiele łatwiej, nawet bez patrzenia.\r\n"
    "\r\n"
    "    W menu obszaru powiadomień możesz zabronić programowi Tremolux maksymalizowania "
    "lub minimalizowania okien albo obu tych czynności.\r\n"
    "\r\n"
    "    Możesz wybrać, czy program Tremolux ma się uruchamiać razem z systemem "
    "Windows.\r\n"
    "\r\n"
    "    Tremolux przyda się każdemu, kto pracuje z wieloma oknami na pulpicie, na przykład "
    "pracownikom biurowym czy programistom, którzy ustawiają okna obok siebie, aby je "
    "porównywać. No i oczywiście tym, którym z „lenistwa” nie chce się sięgać po "
    "klawiaturę ani nawet klikać myszą ^_^.\r\n"
    "\r\n"
    "    Autor: zespół Tremolux\r\n"
    "\r\n"
    "   E-mail:\r\n"
    "\r\n"
    "Witryna:";

}  // namespace

constexpr Texts kPolishTexts{
    .restoreItem = "&Przywróć ostatnie okno",
    .modeMenu = "&Tryb",
    .dragBumpItem = "&Przeciągnij i uderz (domyślny)",
    .slideItem = "Prze&suwanie",
    .effectsMenu = "&Efekty",
    .noMaxItem = "Nigdy nie &maksymalizuj okna",
    .noMinItem = "Nigdy nie m&inimalizuj okna",
    .startWithWindowsItem = "Uruchamiaj z systemem &Windows",
    .helpItem = "&Informacje o programie Tremolux",
    .cleanUpItem = "&Usuń ustawienia (przed odinstalowaniem)",
    .exitItem = "&Zakończ",
    .alreadyRunning = "Program Tremolux jest już uruchomiony.",
    .informationCaption = "Tremolux",
    .cleanUpQuestion =
        "Ta operacja usuwa wszystko, co program Tremolux zapisał w rejestrze,\r\n"
        "aby po jego odinstalowaniu nic nie pozostało.\r\n"
        "Wszystkie ustawienia zostaną utracone.\r\n\r\n"
        "Czy chcesz je usunąć?",
    .cleanUpCaption = "Usuwanie ustawień programu Tremolux",
    .cleanUpDone =
        "Ustawienia zostały usunięte. Możesz teraz odinstalować program Tremolux.\r\n"
        "Dziękujemy za korzystanie z programu; czekamy na Twoje sugestie.",
    .cleanUpRefused =
        "Nie można usunąć wszystkich ustawień: być może nie masz uprawnień "
        "administratora.\r\nUruchom program Tremolux jako administrator i spróbuj ponownie.",
    .helpTitle = "Tremolux v" TREMOLUX_VERSION_TEXT " beta - Pomoc",
    .helpText = kHelp,
    .mailLine = "   E-mail:",
    .homePageLine = "Witryna:",
    .mailLink = "Wyślij e-mail",
    .homePageLink = "Odwiedź witrynę",
    .messageFont = true,
};

static_assert(Complete(kPolishTexts), "Polish lacks a text");

}  // namespace tremolux
