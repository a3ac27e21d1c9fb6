// The shell's visible texts: dialog captions, labels, button texts. They live in the string
// table (res/strings.inc, entries 40000-40999) beside the core's texts.
#pragma once

#include <QString>

constexpr int IDS_OK_BUTTON = 40000;
constexpr int IDS_CANCEL_BUTTON = 40001;
constexpr int IDS_COLOR_BUTTON = 40002;
constexpr int IDS_UNIT_MM = 40003;
constexpr int IDS_SHORT_DESCRIPTION_LABEL = 40004;
constexpr int IDS_ABOUT_CAPTION = 40010;
constexpr int IDS_ABOUT_VERSION = 40011;
constexpr int IDS_ALL_FILES_FILTER = 40012;
constexpr int IDS_SYMBOL_PALETTE_CAPTION = 40013;
constexpr int IDS_BACKGROUND_COLOR_CAPTION = 40014;
constexpr int IDS_SNAP_CAPTION = 40020;
constexpr int IDS_SNAP_ON = 40021;
constexpr int IDS_SNAP_SPACING = 40022;
constexpr int IDS_ORIGIN_CAPTION = 40030;
constexpr int IDS_ORIGIN_GROUP = 40031;
constexpr int IDS_ORIGIN_X = 40032;
constexpr int IDS_ORIGIN_Y = 40033;
constexpr int IDS_GRID_CAPTION = 40040;
constexpr int IDS_GRID_VERTICAL = 40041;
constexpr int IDS_GRID_HORIZONTAL = 40042;
constexpr int IDS_SCALE_CAPTION = 40050;
constexpr int IDS_SCALE_INTRO = 40051;
constexpr int IDS_SCALE_LABEL = 40052;
constexpr int IDS_SCALE_UNIT_GROUP = 40053;
constexpr int IDS_SCALE_GRID_ADJUST = 40054;
constexpr int IDS_SCALE_UNIT_METRES = 40055;
constexpr int IDS_SCALE_UNIT_CENTIMETRES = 40056;
constexpr int IDS_SCALE_UNIT_MILLIMETRES = 40057;
constexpr int IDS_ADD_SYMBOL_CAPTION = 40100;
constexpr int IDS_ADD_SYMBOL_OK = 40101;
constexpr int IDS_ADD_SYMBOL_CLASS = 40102;
constexpr int IDS_ATTRIBUTES_CAPTION = 40110;
constexpr int IDS_ATTRIBUTES_FLAGS = 40111;
constexpr int IDS_ATTRIBUTES_WIDTH_CHANGES = 40112;
constexpr int IDS_ATTRIBUTES_LENGTH_CHANGES = 40113;
constexpr int IDS_ATTRIBUTES_CORNER_CHANGES = 40114;
constexpr int IDS_ATTRIBUTES_ROTATES = 40115;
constexpr int IDS_ATTRIBUTES_SIZE = 40116;
constexpr int IDS_ATTRIBUTES_DEFAULT = 40117;
constexpr int IDS_ATTRIBUTES_LENGTH = 40118;
constexpr int IDS_ATTRIBUTES_WIDTH = 40119;
constexpr int IDS_FONT_CAPTION = 40120;
constexpr int IDS_FONT_COLOR = 40121;
constexpr int IDS_SYMBOL_CAPTION = 40130;
constexpr int IDS_SYMBOL_TYPE = 40131;
constexpr int IDS_SYMBOL_DESCRIPTION = 40132;
constexpr int IDS_SYMBOL_SIZES = 40133;
constexpr int IDS_SYMBOL_WIDTH = 40134;
constexpr int IDS_SYMBOL_HEIGHT = 40135;
constexpr int IDS_SYMBOL_DEFAULT_SIZE = 40136;
constexpr int IDS_SYMBOL_ANGLE = 40137;
constexpr int IDS_SYMBOL_DEGREES = 40138;
constexpr int IDS_SYMBOL_PLACE = 40139;
constexpr int IDS_SYMBOL_X_AXIS = 40140;
constexpr int IDS_SYMBOL_Y_AXIS = 40141;
constexpr int IDS_LABEL_CAPTION = 40150;
constexpr int IDS_LABEL_TEXT = 40151;
constexpr int IDS_LABEL_FIX_ANGLE = 40152;
constexpr int IDS_LABEL_FONT = 40153;
constexpr int IDS_LINE_FILL_CAPTION = 40160;
constexpr int IDS_LINE_FILL_BORDER = 40161;
constexpr int IDS_LINE_FILL_THICKNESS = 40162;
constexpr int IDS_LINE_FILL_HUNDREDTHS = 40163;
constexpr int IDS_LINE_FILL_AREA = 40164;
constexpr int IDS_LINE_FILL_USE_FILL = 40165;
constexpr int IDS_DIMENSION_CAPTION = 40170;
constexpr int IDS_DIMENSION_GROUP = 40171;
constexpr int IDS_DIMENSION_EDGES = 40172;
constexpr int IDS_DIMENSION_AREA = 40173;
constexpr int IDS_DIMENSION_EDGES_AND_AREA = 40174;
constexpr int IDS_DIMENSION_TEXT_HEIGHT = 40175;
constexpr int IDS_NOTE_CAPTION = 40180;

constexpr int IDS_MSG_WHOLE_NUMBER = 40190;
constexpr int IDS_MSG_WHOLE_NUMBER_RANGE = 40191;
constexpr int IDS_MSG_NUMBER = 40192;
constexpr int IDS_MSG_NUMBER_RANGE = 40193;
constexpr int IDS_MSG_MAX_CHARS = 40194;
constexpr int IDS_MSG_LENGTH_POSITIVE = 40195;
constexpr int IDS_MSG_WIDTH_POSITIVE = 40196;
constexpr int IDS_CAPTION_INPUT_ERROR = 40197;
constexpr int IDS_PALETTE_CHOOSE_PROMPT = 40200;
constexpr int IDS_PALETTE_PLACE_PROMPT = 40201;
// The room groups (0 "Marker" ... 7 "Anschlüsse") and the 27 symbol classes in key order, as
// the add-symbol dialog lists them.
constexpr int IDS_FIRST_ROOM_GROUP = 40210;
constexpr int kRoomGroupCount = 8;
constexpr int IDS_FIRST_SYMBOL_CLASS = 40220;
constexpr int kSymbolClassCount = 27;

// The text of a string table entry as a QString.
QString ShellText(int id);
