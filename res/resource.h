/* Resource ids of Strandel, shared by strandel.rc and the C++ sources.
 *
 * Plain #defines only: windres reads this file too. Resources with a name
 * (DLG_PROVA, MENU_PROVA, CUR_MANO, BMP_URL, ...) are loaded by that name as a
 * string and have no #define here; defining one would turn the name into a
 * number in the resource script.
 *
 * A command sends its id in WM_COMMAND, and its hint is the string resource of
 * the same id (status-line text, a line feed, the tool tip). Buttons of the
 * main dialog send their own control id, so those ids are commands as well.
 */
#ifndef STRANDEL_RESOURCE_H
#define STRANDEL_RESOURCE_H

#ifndef IDC_STATIC
#define IDC_STATIC                  (-1)
#endif

/* ---- Main dialog DLG_PROVA: controls ----------------------------------- */
#define IDC_MAIN_FIRST              101
#define IDC_FILELIST                101 /* list box: the file list */
#define IDC_HEADER                  102 /* multi-line edit: Header */
#define IDC_QUEUE                   103 /* multi-line edit: Queue */
#define IDC_RELPATH                 104 /* disabled field: the relative-path base */
#define IDC_PATH_FULL               105 /* radio: path mode Full */
#define IDC_PATH_RELATIVE           106 /* radio: path mode Relative; drop target */
#define IDC_PATH_NOPATH             107 /* radio: path mode NoPath (file name only) */
#define IDC_INVERTSLASH             108 /* check box: backslash becomes slash */
#define IDC_MOVEUP                  109 /* button "<" */
#define IDC_MOVEDOWN                110 /* button ">" */
#define IDC_DELETE                  111 /* button "Del" */
#define IDC_CREATE                  112 /* button "Create": drops down CREATE_MNU */
#define IDC_VIEW                    113 /* button "View +", below the visible area */
#define IDC_PATH_NONE               114 /* radio: path mode None (no name) */
#define IDC_OUTFILE                 115 /* read-only field: output file; drop target */
#define IDC_MAINHEAD                116 /* read-only field: Main head in one line */
#define IDC_MAINQUEUE               117 /* read-only field: Main queue in one line */
#define IDC_SETOUTFILE              118 /* button "OutFile"; drop target */
#define IDC_SETRELPATH              119 /* button "RelPath", below the visible area */
#define IDC_SETMAINHEAD             120 /* button "MainHead" */
#define IDC_SETMAINQUEUE            121 /* button "MainQueue" */
#define IDC_COUNTER                 122 /* disabled field: selected / count */
#define IDC_AUTODRAG                123 /* button "Auto Drag"; drop target */
#define IDC_SAVELOCAL               124 /* check box: local info in template */
#define IDC_MAIN_LAST               124

/* Invisible list box the dialog base class keeps its layout records in. */
#define IDC_LAYOUTSTORE             2001

/* ---- Input dialog MLINPUT_DLG (plus IDOK and IDCANCEL) ----------------- */
#define IDC_MLINPUT_TEXT            101

/* ---- About box ABOUT_DLG ------------------------------------------------ */
#define IDC_ABOUT_WEB               101 /* the program's web address, set at run time */

/* ---- Options sheet pages ----------------------------------------------- */
/* PROP_SENDTO: what a file sent with Send To puts on the clipboard */
#define IDC_SENDTO_NAME             101 /* radio: the file name (SendToIndex 0) */
#define IDC_SENDTO_LINE             102 /* radio: the whole line (SendToIndex 1) */
/* PROP_VARIOUSOPTIONS */
#define IDC_USETIP                  101 /* check box "Use ToolTip" */
#define IDC_IMAGEEXT                102 /* edit: image extensions */
#define IDC_ASKSAVELIST             103 /* check box: ask to save a changed list on closing */

/* ---- Commands ----------------------------------------------------------- */
/* Sent by the main dialog's buttons and by menu items alike. */
#define IDM_MOVEUP                  IDC_MOVEUP        /* 109 */
#define IDM_MOVEDOWN                IDC_MOVEDOWN      /* 110 */
#define IDM_DELETE                  IDC_DELETE        /* 111 */
#define IDM_CREATE                  IDC_CREATE        /* 112 */
#define IDM_VIEW                    IDC_VIEW          /* 113 */
#define IDM_SETOUTFILE              IDC_SETOUTFILE    /* 118 */
#define IDM_SETMAINHEAD             IDC_SETMAINHEAD   /* 120 */
#define IDM_SETMAINQUEUE            IDC_SETMAINQUEUE  /* 121 */
#define IDM_AUTODRAG_HELP           IDC_AUTODRAG      /* 123 */

#define IDM_CHANGEFONT              1001
#define IDM_CLEARLIST               1003
#define IDM_COPYITEM                1004 /* copy the selected name */
#define IDM_COPYITEMLINE            1006 /* copy the selected entry's line */
#define IDM_CREATEANDCOPY           1007
/* Auto Drag pop-up: act on the file dropped on the Auto Drag button */
#define IDM_AUTODRAG_SETOUTFILE     1008
#define IDM_AUTODRAG_COPY           1009
#define IDM_AUTODRAG_SETRELPATH     1010
#define IDM_AUTODRAG_COPYLINE       1011
#define IDM_EXECUTE                 1012
#define IDM_OPTIONS                 1014
#define IDM_HTMLIMAGES              1015
#define IDM_HTMLLINK                1016
#define IDM_DISKDELETE              1018

/* Templates pop-up: MENU_PLUGIN's first item is its title and is removed */
#define IDM_TEMPLATES_TITLE         0
#define IDM_SAVETEMPLATE            1301
#define IDM_OPENTEMPLATE            1302
#define IDM_TEMPLATE_FIRST          1303 /* one item per template file ... */
#define IDM_TEMPLATE_LAST           1599 /* ... the later ones do nothing */

#define IDM_OPENLIST                24332
#define IDM_SAVELIST                24333
#define IDM_EXIT                    24338
#define IDM_HELPINDEX               24341
#define IDM_WEBPAGE                 24343
#define IDM_ABOUT                   24346

/* ---- Bitmaps (tool bar, 32 x 32, 16 colours) ---------------------------- */
/* The Html buttons use the named bitmaps BMP_URL and BMP_URLLINK. */
#define IDB_CLEARLIST               101
#define IDB_CREATE                  102
#define IDB_VIEW                    104
#define IDB_EXECUTE                 1012

/* ---- Icons -------------------------------------------------------------- */
#define IDI_STRANDEL                1

/* ---- Output format: the Create menu's choices (namesui 3000-3099) ------- */
/* Each group's ids follow the order of its values in settings/settings.h. */
#define IDM_MOREVARIABLES           3000 /* check: sizes, dates, counters, escaped forms */
#define IDM_ESCAPE_NONE             3010 /* name escape, as TEscape: */
#define IDM_ESCAPE_URL              3011
#define IDM_ESCAPE_HTML             3012
#define IDM_ESCAPE_BATCH            3013
#define IDM_ESCAPE_CSV              3014
#define IDM_ESCAPE_ARG              3015
#define IDM_ESCAPE_PS               3016
#define IDM_ESCAPE_FIRST            IDM_ESCAPE_NONE
#define IDM_ESCAPE_LAST             IDM_ESCAPE_PS
#define IDM_ENCODING_UTF8           3020 /* output encoding, as TOutputEncoding: */
#define IDM_ENCODING_UTF8BOM        3021
#define IDM_ENCODING_ANSI           3022
#define IDM_ENCODING_UTF16LE        3023
#define IDM_ENCODING_FIRST          IDM_ENCODING_UTF8
#define IDM_ENCODING_LAST           IDM_ENCODING_UTF16LE
#define IDM_LINEENDS_CRLF           3030 /* line ends, as TLineEnds: */
#define IDM_LINEENDS_LF             3031
#define IDM_LINEENDS_FIRST          IDM_LINEENDS_CRLF
#define IDM_LINEENDS_LAST           IDM_LINEENDS_LF

/* ---- The list's own order, undo and folder contents (3200-3299) ------- */
#define IDM_SORT_NAME               3200 /* the list sorted by file name, natural order */
#define IDM_SORT_PATH               3201 /* ... by full path */
#define IDM_SORT_EXTENSION          3202 /* ... by extension */
#define IDM_SORT_SIZE               3203 /* ... by size */
#define IDM_SORT_MODIFIED           3204 /* ... by date modified */
#define IDM_REVERSE                 3205 /* the list's order turned round */
#define IDM_REMOVEDUPLICATES        3206 /* later copies of a name removed */
#define IDM_UNDO                    3207 /* the last change of the list taken back */
#define IDM_REDO                    3208 /* ... done again */
#define IDM_ADDFOLDER               3209 /* a folder's contents added after the selection */
#define IDM_AUTODRAG_ADDFOLDER      3210 /* ... of the folder dropped on Auto Drag */
/* Add folder dialog ADDFOLDER_DLG (plus IDOK and IDCANCEL) */
#define IDC_ADDFOLDER_FOLDER        3220 /* edit: the folder */
#define IDC_ADDFOLDER_PATTERN       3221 /* edit: "*.jpg;*.png" */
#define IDC_ADDFOLDER_SUBFOLDERS    3222 /* check box: go into subfolders */
#define IDC_ADDFOLDER_FILES         3223 /* radio: files */
#define IDC_ADDFOLDER_FOLDERS       3224 /* radio: folders */
#define IDC_ADDFOLDER_BOTH          3225 /* radio: files and folders */
#define IDC_ADDFOLDER_HIDDEN        3226 /* check box: hidden and system files count */
#define IDC_ADDFOLDER_BROWSE        3227 /* button: choose the folder */
/* Progress window PROGRESS_DLG (plus IDCANCEL) */
#define IDC_PROGRESS_TEXT           3230 /* static: what is done and how far */
#define IDC_PROGRESS_BAR            3231 /* progress bar */
/* ---- Preview window (3100-3199) ---------------------------------------- */
#define IDM_PREVIEW                 3100 /* Auto menu, tool bar, F5: the Preview window */
#define IDB_PREVIEW                 3101 /* its tool-bar picture */
#define IDC_PREVIEW_MARKS           3102 /* check box: line breaks and tabs as marks */
#define IDM_PREVIEW_COPYALL         3103 /* context menu: the whole output into the clipboard */
#define IDC_PREVIEW_LINES           3104 /* the lines of the output */
#define IDC_PREVIEW_TOTALS          3105 /* how many lines and bytes the output has */

/* ---- Keyboard and accessibility (3300-3399) ------------------------------ */
/* Shift+F10 and the context-menu key: the focused control's pop-up menu. */
#define IDM_CONTEXTMENU             3300

#endif /* STRANDEL_RESOURCE_H */
