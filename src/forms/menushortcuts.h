#pragma once
// Keeps a menu bar's shortcuts working while one of its menus is open. An open
// QMenu holds the keyboard and takes every key itself, so Qt runs no shortcut,
// not even one of the open menu's own entries.
class QMenu;
class QMenuBar;

// From now on, a key pressed in the open `menu` that is the shortcut of an
// enabled, visible entry of `bar`'s menus closes every open menu and then
// triggers that entry, once: its command runs with no menu left open.
void passOnShortcuts(QMenu *menu, const QMenuBar *bar);
