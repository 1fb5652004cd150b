// The help window's introduction text, in each language, and its two link
// targets. The addresses are set in one place, at build time
// (TREMOLUX_HOME_PAGE, TREMOLUX_MAIL).
#pragma once

#include "Version.h"

#ifndef TREMOLUX_HOME_PAGE
#define TREMOLUX_HOME_PAGE "https://tremolux.example.org/"
#endif
#ifndef TREMOLUX_MAIL
#define TREMOLUX_MAIL "team@tremolux.example.org"
#endif

namespace tremolux {

constexpr const char* kHomePage = TREMOLUX_HOME_PAGE;
constexpr const char* kMailTo = "mailto:" TREMOLUX_MAIL;

// 39 lines separated by CR LF, with no line break after the last.
constexpr const char* kHelpText =
    "软件介绍：\r\n"
    "\r\n"
    "    本软件让您只需用鼠标的简单动作和手势，就能快速地排列桌面上的窗口，"
    "让同时使用多个窗口的工作变得更加轻松。\r\n"
    "\r\n"
    "**********\r\n"
    "更新历史：\r\n"
    "v" TREMOLUX_VERSION_TEXT
    "\r\n"
    "增加的功能：鼠标移动到屏幕右下角可以预览桌面（暂时最小化所有窗口），"
    "鼠标离开右下角后所有暂时最小化的窗口都将恢复。单击右下角任务栏上的小竖条，"
    "则将“显示桌面”，即最小化所有窗口。\r\n"
    "**********\r\n"
    "\r\n"
    "软件功能介绍：\r\n"
    "\r\n"
    "    软件允许您根据自己的实际情况和使用习惯，使用“拖-碰操作模式”（默认）和"
    "“滑动操作模式”（更便捷）两种方式，来完成对桌面窗口的特效布局。\r\n"
    "\r\n"
    "    选择“拖-碰操作模式”时，按住窗口标题栏拖动窗口，让鼠标指针碰到屏幕最左侧"
    "（或最右侧），窗口便左置（或右置）并占据1/2屏幕；碰到最上侧则窗口极大化。\r\n"
    "\r\n"
    "    当您选择“滑动操作模式”时，操作相较“拖-碰操作模式”更加便捷，详情如下：\r\n"
    "\r\n"
    "·鼠标在屏幕最左(或最右侧)侧从上到下轻快的滑动一下（超过100像素即可），"
    "当前窗口便可以左置（或右置）并占据1/2屏幕；\r\n"
    "\r\n"
    "·鼠标在屏幕最上侧从左到右轻快的滑动一下（超过100像素即可），当前窗口极大化；\r\n"
    "\r\n"
    "·鼠标在屏幕最下侧从左到右轻快的滑动一下（超过100像素即可），当前窗口极小化；\r\n"
    "\r\n"
    "    您可通过托盘菜单及全局热键（Shift+F1）恢复上一个发生过特效的窗口的原始尺寸及位置；\r\n"
    "\r\n"
    "·将鼠标放在屏幕右下角，可以临时最小化桌面所有窗口，对桌面进行预览，鼠标离开右下角，"
    "则立即恢复刚才最小化的所有窗口。另外，如果单击右下角的小条，将产生和你单击“显示桌面”"
    "按钮一样的效果，不过方便了很多，真正盲操作了。\r\n"
    "\r\n"
    "    您可通过托盘菜单单独或者一起禁止由本软件触发的当前窗口最大化和最小化功能。\r\n"
    "\r\n"
    "    您可设置本软件是否跟随windows启动。\r\n"
    "\r\n"
    "    本软件对经常需要在桌面进行多窗口操作（例如办公人员或者软件开发人员经常需要多开窗口"
    "左右互相参照）的情况非常适合。当然，更加适合不要说键盘，连鼠标都懒得点击的“懒”人使用^_^。\r\n"
    "\r\n"
    "    作者：Tremolux 项目组\r\n"
    "\r\n"
    "   Email：\r\n"
    "\r\n"
    "官方主页：";

// The same, section by section, in English: the links lie on its last line
// and on the third from last.
constexpr const char* kHelpTextEnglish =
    "About Tremolux\r\n"
    "\r\n"
    "    Tremolux arranges the windows on your desktop with simple movements "
    "and gestures of the mouse, so that working with several windows at once "
    "becomes easier.\r\n"
    "\r\n"
    "**********\r\n"
    "What's new\r\n"
    "v" TREMOLUX_VERSION_TEXT
    "\r\n"
    "New: rest the pointer in the bottom-right corner of the screen to peek at "
    "the desktop (all windows are minimized for a moment); when the pointer "
    "leaves the corner, every window comes back. A click on the thin bar at "
    "the right end of the taskbar shows the desktop: it minimizes all windows."
    "\r\n"
    "**********\r\n"
    "\r\n"
    "How it works\r\n"
    "\r\n"
    "    Lay out your windows in the way that suits how you work: in "
    "drag-and-bump mode (the default) or in slide mode (quicker still).\r\n"
    "\r\n"
    "    In drag-and-bump mode, drag a window by its title bar until the "
    "pointer bumps into the left (or right) edge of the screen: the window "
    "takes the left (or right) half of the screen. Bump into the top edge and "
    "the window spans the whole screen.\r\n"
    "\r\n"
    "    Slide mode is quicker than drag-and-bump mode:\r\n"
    "\r\n"
    "· Swipe the pointer quickly down the left (or right) edge of the screen "
    "(more than 100 pixels is enough): the current window takes the left (or "
    "right) half of the screen;\r\n"
    "\r\n"
    "· Swipe it quickly from left to right along the top edge (more than 100 "
    "pixels): the current window spans the whole screen;\r\n"
    "\r\n"
    "· Swipe it quickly from left to right along the bottom edge (more than "
    "100 pixels): the current window is minimized.\r\n"
    "\r\n"
    "    The tray menu and the global hotkey Shift+F1 put the window laid out "
    "last back to its size and position from before.\r\n"
    "\r\n"
    "· Rest the pointer in the bottom-right corner of the screen to minimize "
    "all windows for a moment and look at the desktop; move it away and every "
    "window comes back at once. A click on the thin bar in that corner does "
    "what the Show desktop button does, and is far easier to reach: you can "
    "do it without looking.\r\n"
    "\r\n"
    "    From the tray menu you can stop Tremolux from stretching or from "
    "minimizing windows, or both.\r\n"
    "\r\n"
    "    You can choose whether Tremolux starts with Windows.\r\n"
    "\r\n"
    "    Tremolux suits anyone who works with many windows on the desktop, "
    "such as office staff or software developers who keep windows side by "
    "side to compare them. And, of course, those too \"lazy\" to reach for the "
    "keyboard, or even to click the mouse ^_^.\r\n"
    "\r\n"
    "    Written by the Tremolux team\r\n"
    "\r\n"
    "   E-mail:\r\n"
    "\r\n"
    "Website:";

}  // namespace tremolux
