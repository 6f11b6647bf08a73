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
