#pragma once
// Identifiers of the user messages in the string table (Strings.rc).
// Included by C++ and by the resource compiler: plain defines only.

#define IDS_ERROR_CAPTION 65197

// Duration and stored-time conversion errors.
#define IDS_INTERNAL_ERROR 64300
#define IDS_NOT_VALID_TIME 64301
#define IDS_NOT_VALID_STORED_TIME 64302
#define IDS_FUNCTION_NOT_IMPLEMENTED 64303
#define IDS_NOT_VALID_INTEGER 64304
#define IDS_INVALID_DATE_TIME 64305

// The final actions.
#define IDS_SHUTDOWN_IMPOSSIBLE 65149
#define IDS_SHUTDOWN_CANCELLED 64410
#define IDS_HIBERNATION_DISABLED 64411
#define IDS_SUSPEND_FAILED 64412
// Main window.
#define IDS_TRIGGER_PERIOD 64100
#define IDS_TRIGGER_IDLE 64101
#define IDS_TRIGGER_CLOCK 64102
#define IDS_TRIGGER_PROGRAM 64103
#define IDS_TRIGGER_SILENCE 64104
#define IDS_TIME_GROUP 64105
#define IDS_START 64106
#define IDS_CANCEL 64107
#define IDS_APP_CLOSE_DESC 64108
#define IDS_LAST_CLOSED_APP 64109
#define IDS_REMAINING_TIME_DESC 64110
#define IDS_PROGRAM_NAME 64111
#define IDS_COPYRIGHT 64112
#define IDS_MENU_TIP 64113
#define IDS_BALLOON_SECONDS 64114
#define IDS_NOT_IMPLEMENTED 64115
#define IDS_REFRESH_HINT 64116
// Descriptions in front of the running pages, in the order of TActionText.
#define IDS_ACTION_TEXT_FIRST 64120
// Captions of the final actions (the advanced options' radios and list).
#define IDS_CMD_SHUTDOWN 64140
#define IDS_CMD_HIBERNATION 64141
#define IDS_CMD_CLOSE_PROGRAM 64142
#define IDS_CMD_MODEM 64143
#define IDS_CMD_LOCK 64144
#define IDS_CMD_MONITOR 64145
#define IDS_CMD_SUSPEND 64146
#define IDS_CMD_RESTART 64147
#define IDS_UNSUPPORTED_SYSTEM 65146
#define IDS_WAITING 65170
#define IDS_SH_DLL 65190
#define IDS_SH_MISSING 65192
#define IDS_SH_LOAD_FAILED 65193
// The hook library and the program-closed watch.
#define IDS_SH_OLD 65194
#define IDS_SH_DISK_FULL 65195
#define IDS_SH_CREATE_FAILED 65196
#define IDS_APP_UNRECOGNISED 65167
#define IDS_WAITING_FOR_CLASS 65168
#define IDS_WAITING_FOR_PROGRAM 65199
