// Resource numbers shared by the keyboard, the pictures generator and the
// Windows resource script.
#pragma once

#define IDD_PELVOK_DIALOG 102
#define IDR_MAINFRAME 128
#define IDR_MENU_SUGGESTION 32771
#define ID_DELETE_WORD 32772
#define IDR_MENU_SIZE 32773
#define ID_SIZE_SMALL 32774
#define ID_SIZE_MEDIUM 32775
#define ID_SIZE_BIG 32776
#define ID_SIZE_EXTRA_BIG 32777
#define ID_DWELL 32778
#define ID_PAUSE_LEARNING 32779
#define ID_NO_REPEAT 32780

// Keyboard pictures, size steps 1 to 4.
#define IDB_SYMBOLS_1 157
#define IDB_SYMBOLS_2 158
#define IDB_SYMBOLS_3 159
#define IDB_SYMBOLS_4 160
#define IDB_LOWER_1 161
#define IDB_LOWER_2 162
#define IDB_LOWER_3 163
#define IDB_LOWER_4 164
#define IDB_UPPER_1 175
#define IDB_UPPER_2 166
#define IDB_UPPER_3 167
#define IDB_UPPER_4 177
#define IDB_LOWER_SHIFT_1 168
#define IDB_LOWER_SHIFT_2 169
#define IDB_LOWER_SHIFT_3 170
#define IDB_LOWER_SHIFT_4 171
#define IDB_UPPER_SHIFT_1 172
#define IDB_UPPER_SHIFT_2 173
#define IDB_UPPER_SHIFT_3 174
#define IDB_UPPER_SHIFT_4 176

// The same letter pages in the optimized arrangement.
#define IDB_OPT_LOWER_1 181
#define IDB_OPT_LOWER_2 182
#define IDB_OPT_LOWER_3 183
#define IDB_OPT_LOWER_4 184
#define IDB_OPT_UPPER_1 185
#define IDB_OPT_UPPER_2 186
#define IDB_OPT_UPPER_3 187
#define IDB_OPT_UPPER_4 188
#define IDB_OPT_LOWER_SHIFT_1 189
#define IDB_OPT_LOWER_SHIFT_2 190
#define IDB_OPT_LOWER_SHIFT_3 191
#define IDB_OPT_LOWER_SHIFT_4 192
#define IDB_OPT_UPPER_SHIFT_1 193
#define IDB_OPT_UPPER_SHIFT_2 194
#define IDB_OPT_UPPER_SHIFT_3 195
#define IDB_OPT_UPPER_SHIFT_4 196
