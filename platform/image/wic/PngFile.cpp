// PNG through the Windows Imaging Component: the system's own encoder writes
// into memory, and only a finished picture goes to the file.
#include "platform/image/PngFile.h"

#include "platform/file/OpenFile.h"

#include "platform/win32/ComRef.h"
#include "platform/win32/ComScope.h"

#include <windows.h>

#include <objbase.h>
#include <wincodec.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <system_error>

namespace trovane::platform {
namespace {

// A failed step: what was being done, and the system's code for why.
std::string failure(const char* step, HRESULT result) {
    char text[96];
    std::snprintf(text, sizeof text, "%s failed (0x%08lX)", step,
                  static_cast<unsigned long>(result));
    return text;
}

// The encoder takes blue first; the picture has red first.
std::vector<BYTE> bgrFrom(const RgbPicture& picture) {
    std::vector<BYTE> bgr(picture.pixels.size());
    for (std::size_t i = 0; i < bgr.size(); i += 3) {
        bgr[i] = picture.pixels[i + 2];
        bgr[i + 1] = picture.pixels[i + 1];
        bgr[i + 2] = picture.pixels[i];
    }
    return bgr;
}

bool writeFrame(IWICBitmapEncoder* encoder, const RgbPicture& picture, std::string& error) {
    ComRef<IWICBitmapFrameEncode> frame;
    HRESULT result = encoder->CreateNewFrame(frame.out(), nullptr);
    if (SUCCEEDED(result)) {
        result = frame->Initialize(nullptr);
    }
    if (SUCCEEDED(result)) {
        result =
            frame->SetSize(static_cast<UINT>(picture.width), static_cast<UINT>(picture.height));
    }
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    if (SUCCEEDED(result)) {
        result = frame->SetPixelFormat(&format);
    }
    if (FAILED(result)) {
        error = failure("setting up the PNG frame", result);
        return false;
    }
    if (!IsEqualGUID(format, GUID_WICPixelFormat24bppBGR)) {
        error = "the PNG encoder does not take 24-bit pixels";
        return false;
    }
    std::vector<BYTE> bgr = bgrFrom(picture);
    result =
        frame->WritePixels(static_cast<UINT>(picture.height), static_cast<UINT>(picture.width) * 3,
                           static_cast<UINT>(bgr.size()), bgr.data());
    if (SUCCEEDED(result)) {
        result = frame->Commit();
    }
    if (FAILED(result)) {
        error = failure("encoding the pixels", result);
        return false;
    }
    return true;
}

// The whole PNG file in a stream on global memory.
bool encode(const RgbPicture& picture, ComRef<IStream>& stream, std::string& error) {
    ComRef<IWICImagingFactory> factory;
    HRESULT result =
        ::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                           IID_IWICImagingFactory, reinterpret_cast<void**>(factory.out()));
    if (FAILED(result)) {
        error = failure("creating the imaging factory", result);
        return false;
    }
    ComRef<IWICBitmapEncoder> encoder;
    result = ::CreateStreamOnHGlobal(nullptr, TRUE, stream.out());
    if (SUCCEEDED(result)) {
        result = factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.out());
    }
    if (SUCCEEDED(result)) {
        result = encoder->Initialize(stream.get(), WICBitmapEncoderNoCache);
    }
    if (FAILED(result)) {
        error = failure("creating the PNG encoder", result);
        return false;
    }
    if (!writeFrame(encoder.get(), picture, error)) {
        return false;
    }
    result = encoder->Commit();
    if (FAILED(result)) {
        error = failure("finishing the PNG", result);
        return false;
    }
    return true;
}

// The bytes the encoder wrote: the stream's size, from the start of its memory.
bool saveStream(IStream* stream, std::FILE* out) {
    STATSTG stat{};
    HGLOBAL memory = nullptr;
    if (FAILED(stream->Stat(&stat, STATFLAG_NONAME)) ||
        FAILED(::GetHGlobalFromStream(stream, &memory))) {
        return false;
    }
    const std::size_t size = static_cast<std::size_t>(stat.cbSize.QuadPart);
    const void* bytes = ::GlobalLock(memory);
    if (bytes == nullptr) {
        return false;
    }
    const bool written = std::fwrite(bytes, 1, size, out) == size;
    ::GlobalUnlock(memory);
    return written;
}

// Replaces file with the encoded bytes; a file left half written is removed.
bool writeFile(const std::filesystem::path& file, IStream* stream, std::string& error) {
    std::FILE* out = ::_wfopen(file.c_str(), L"wb");
    if (out == nullptr) {
        error = utf8Of(file) + ": " + std::strerror(errno);
        return false;
    }
    const bool written = saveStream(stream, out);
    const bool closed = std::fclose(out) == 0;
    if (written && closed) {
        return true;
    }
    error = utf8Of(file) + ": cannot finish writing";
    std::error_code ignored;
    std::filesystem::remove(file, ignored);
    return false;
}

} // namespace

bool writePng(const std::filesystem::path& file, const RgbPicture& picture, std::string& error) {
    if (!isWellFormed(picture)) {
        error = "the picture is empty or its size does not match its pixels";
        return false;
    }
    if (picture.pixels.size() > UINT_MAX) {
        error = "the picture is too large for the PNG encoder";
        return false;
    }
    // The stream is released before COM is let go.
    const ComScope com;
    ComRef<IStream> stream;
    if (!com.usable()) {
        error = utf8Of(file) + ": " + failure("starting COM", com.status());
        return false;
    }
    if (!encode(picture, stream, error)) {
        error = utf8Of(file) + ": " + error;
        return false;
    }
    return writeFile(file, stream.get(), error);
}

} // namespace trovane::platform
