// Objects of the three outside libraries the program loads: file readers,
// image readers and the OpenGL extension query. Only these slots are used.
#pragma once

#include "Plugin.h"

// The whole file in memory, followed by a zero byte so text can be read up
// to its terminator. An unopened or unreadable file has size 0 and an empty
// (but terminated) text.
class FileReader : public plugin::Object {
public:
    // The mode is 0. False when the file cannot be read; the stand-in library
    // then leaves errno telling why.
    virtual bool Open(const char* fileName, int mode) = 0;
    virtual unsigned int GetSize() = 0;
    virtual const char* GetData() = 0;

protected:
    ~FileReader() = default;
};

// Decodes an image file held in memory into rows of 8-bit RGBA. A picture it
// cannot decode reports width 0, height 0 and no pixels.
class ImageReader : public plugin::Object {
public:
    virtual bool Decode(const void* data, unsigned int size) = 0;
    // Name of the decoded format ("JPEG"), or "" when nothing was decoded.
    virtual const char* GetFormatName() = 0;
    virtual const unsigned char* GetPixels() = 0;
    virtual int GetHeight() = 0;
    virtual int GetWidth() = 0;

protected:
    ~ImageReader() = default;
};

// "Query": answers from the current GL context's extension list. Never released.
class TextureQuery {
public:
    virtual bool IsSupported(const char* extension) = 0;

protected:
    ~TextureQuery() = default;
};
