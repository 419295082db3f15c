/* The one place that names tunrix's version and where to find help. Included
   by the resource script (VERSIONINFO, About and driver error dialogs) and by
   C++; only #define lines. */
#ifndef TUNRIX_VERSION_H
#define TUNRIX_VERSION_H

#define TUNRIX_VERSION_MAJOR    2
#define TUNRIX_VERSION_MINOR    3
#define TUNRIX_VERSION_PATCH    0
#define TUNRIX_VERSION_BUILD    0

/* Text forms are built from the numbers so they can never disagree. */
#define TUNRIX_STRINGIZE_(tokens) #tokens
#define TUNRIX_STRINGIZE(tokens) TUNRIX_STRINGIZE_(tokens)
#define TUNRIX_VERSION_TEXT \
    TUNRIX_STRINGIZE(TUNRIX_VERSION_MAJOR.TUNRIX_VERSION_MINOR)
#define TUNRIX_ABOUT_VERSION_LINE \
    TUNRIX_STRINGIZE(Tunrix Version TUNRIX_VERSION_MAJOR.TUNRIX_VERSION_MINOR)
#define TUNRIX_FILE_VERSION_TEXT \
    TUNRIX_STRINGIZE(TUNRIX_VERSION_MAJOR.TUNRIX_VERSION_MINOR.TUNRIX_VERSION_PATCH.TUNRIX_VERSION_BUILD)

/* Last line of the driver error dialog and of the About dialog's contact
   lines: where the user finds help. */
#define TUNRIX_WEB_PAGE         "see README.TXT"

#endif
