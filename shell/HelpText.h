// The help window's texts and the two link targets. The addresses are set
// in one place, at build time (TREMOLUX_HOME_PAGE, TREMOLUX_MAIL).
#pragma once

#ifndef TREMOLUX_HOME_PAGE
#define TREMOLUX_HOME_PAGE "https://tremolux.example.org/"
#endif
#ifndef TREMOLUX_MAIL
#define TREMOLUX_MAIL "team@tremolux.example.org"
#endif

namespace tremolux {

constexpr const char* kHomePage = TREMOLUX_HOME_PAGE;
constexpr const char* kMailTo = "mailto:" TREMOLUX_MAIL;

}  // namespace tremolux
