#ifndef TESSORIN_APP_TEXTS_H
#define TESSORIN_APP_TEXTS_H

// The program's texts in Windows-1252. Letters beyond ASCII are written as escapes, so that the
// bytes do not depend on the encoding of this file; a literal is split where a letter follows an
// escape.

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
