// Resource identifiers shared by the resource script and the code.
#pragma once

#define kIconResource 100
#define kLargeIconResource 101
#define kStripPictureNormal 201
#define kStripPicturePressed 202
