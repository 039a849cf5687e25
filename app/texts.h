#ifndef TESSORIN_APP_TEXTS_H
#define TESSORIN_APP_TEXTS_H

// Texts of the program in Windows-1252 that more than one place uses or that need escapes: the
// title, the start error, the help box's caption and text and the label with a sharp s; and two
// names that are no texts to read, the window class's and the icon file's. The controls' and the
// other labels' texts stand in main_window.cpp's tables, the menus' in menu_bar.cpp. Letters beyond
// ASCII are written as escapes, so that the bytes do not depend on the encoding of this file; a
// literal is split where a letter follows an escape.

inline constexpr char APP_TITLE[] = "Tessorin";
inline constexpr char CLASS_NAME[] = "Tessorin";
inline constexpr char START_FAILED_TEXT[] = "Fenster konnte nicht erstellt werden";
inline constexpr char HELP_CAPTION[] = "Hilfe";
inline constexpr char ICON_FILE[] = "key.ico";

inline constexpr char HelpText[] = "Stellen Sie in der Eingabebox die Anzahl\r\n"
                                   "der Zeichen ein, die Sie verwenden m\xF6"
                                   "chten.\r\n"
                                   "Dann w\xE4"
                                   "hlen Sie aus, welche Zeichen\r\n"
                                   "verwendet werden sollen und klicken auf\r\n"
                                   "\"Generieren\". Das Passwort wird erstellt";

inline constexpr char UPPER_LABEL[] = "Gro\xDF"
                                      "e Buchstaben";

#endif
