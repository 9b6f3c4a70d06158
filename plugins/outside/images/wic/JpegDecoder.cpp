// JPEG through the Windows Imaging Component: the system's own decoder, asked
// for the declared size first and then for 24-bit RGB rows.
#include "JpegDecoder.h"

#include "DecodeLimits.h"
#include "platform/win32/ComRef.h"
#include "platform/win32/ComScope.h"

#include <windows.h>

#include <objbase.h>
#include <wincodec.h>

namespace vistrane {

namespace {

using trovane::platform::ComRef;
using trovane::platform::ComScope;

bool openFrame(IWICImagingFactory* factory, const std::uint8_t* data, std::size_t size,
               ComRef<IWICStream>& stream, ComRef<IWICBitmapDecoder>& decoder,
               ComRef<IWICBitmapFrameDecode>& frame) {
    if (size > MAXDWORD || FAILED(factory->CreateStream(stream.out())) ||
        FAILED(stream->InitializeFromMemory(const_cast<BYTE*>(data), static_cast<DWORD>(size))) ||
        FAILED(factory->CreateDecoderFromStream(stream.get(), nullptr,
                                                WICDecodeMetadataCacheOnDemand, decoder.out()))) {
        return false;
    }
    GUID container{};
    return SUCCEEDED(decoder->GetContainerFormat(&container)) &&
           IsEqualGUID(container, GUID_ContainerFormatJpeg) &&
           SUCCEEDED(decoder->GetFrame(0, frame.out()));
}

bool copyRgb(IWICImagingFactory* factory, IWICBitmapFrameDecode* frame, UINT width, UINT height,
             RgbaImage& image) {
    ComRef<IWICFormatConverter> converter;
    if (FAILED(factory->CreateFormatConverter(converter.out())) ||
        FAILED(converter->Initialize(frame, GUID_WICPixelFormat24bppRGB, WICBitmapDitherTypeNone,
                                     nullptr, 0.0, WICBitmapPaletteTypeCustom))) {
        return false;
    }
    const UINT stride = width * 3;
    std::vector<std::uint8_t> rgb(std::size_t{stride} * height);
    if (FAILED(converter->CopyPixels(nullptr, stride, static_cast<UINT>(rgb.size()), rgb.data()))) {
        return false;
    }
    image.width = static_cast<int>(width);
    image.height = static_cast<int>(height);
    image.pixels.resize(std::size_t{width} * height * 4);
    for (std::size_t i = 0, o = 0; i < rgb.size(); i += 3, o += 4) {
        image.pixels[o] = rgb[i];
        image.pixels[o + 1] = rgb[i + 1];
        image.pixels[o + 2] = rgb[i + 2];
        image.pixels[o + 3] = 255;
    }
    return true;
}

bool decodeWithWic(const std::uint8_t* data, std::size_t size, RgbaImage& image) {
    const ComScope com;
    ComRef<IWICImagingFactory> factory;
    if (!com.usable() || FAILED(::CoCreateInstance(CLSID_WICImagingFactory, nullptr,
                                                   CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                                   reinterpret_cast<void**>(factory.out())))) {
        return false;
    }
    ComRef<IWICStream> stream;
    ComRef<IWICBitmapDecoder> decoder;
    ComRef<IWICBitmapFrameDecode> frame;
    UINT width = 0;
    UINT height = 0;
    return openFrame(factory.get(), data, size, stream, decoder, frame) &&
           SUCCEEDED(frame->GetSize(&width, &height)) && withinLimits(width, height) &&
           copyRgb(factory.get(), frame.get(), width, height, image);
}

} // namespace

bool looksLikeJpeg(const std::uint8_t* data, std::size_t size) {
    return data != nullptr && size >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF;
}

bool decodeJpeg(const std::uint8_t* data, std::size_t size, RgbaImage& image) {
    image.clear();
    if (!looksLikeJpeg(data, size) || !decodeWithWic(data, size, image)) {
        image.clear();
        return false;
    }
    return true;
}

} // namespace vistrane
