// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/gl/Textures.h"

#include "render/gl/Gl.h"
#include "render/model/ColourKey.h"
#include "render/model/Pictures.h"

#include <optional>

namespace orvane {

namespace {

struct Key {
    Rgb8 colour;
    std::optional<Rgb8> replacement;
};

struct SlotPicture {
    int slot = 0;
    int32_t resource = 0;
    std::optional<Key> key;
};

void Upload(RenderState& render, const SlotPicture& entry, const Bitmap& bitmap)
{
    glBindTexture(GL_TEXTURE_2D, render.Textures[static_cast<size_t>(entry.slot)]);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    // Rows are packed: a picture drawn for device pixels may be any width.
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    if (!entry.key) {
        glTexImage2D(GL_TEXTURE_2D, 0, 3, bitmap.Width, bitmap.Height, 0, GL_BGR_EXT,
            GL_UNSIGNED_BYTE, bitmap.Bytes.data());
        return;
    }
    BgraTexels texels = ToBgraTexels(bitmap);
    ApplyColourKey(texels, entry.key->colour, entry.key->replacement);
    glTexImage2D(GL_TEXTURE_2D, 0, 4, bitmap.Width, bitmap.Height, 0, GL_BGRA_EXT, GL_UNSIGNED_BYTE,
        texels.data());
}

void LoadTexture(RenderState& render, const SlotPicture& entry)
{
    Upload(render, entry, LoadPictureResource(entry.resource));
}

void GenerateNames(RenderState& render, int firstSlot, int count)
{
    glGenTextures(count, &render.Textures[static_cast<size_t>(firstSlot)]);
}

void LoadAll(RenderState& render, std::initializer_list<SlotPicture> entries)
{
    for (const SlotPicture& entry : entries)
        LoadTexture(render, entry);
}

} // namespace

void LoadStatusTextures(RenderState& render)
{
    namespace id = picture_id;
    GenerateNames(render, slot::FirstDigit, 10);
    for (int digit = 0; digit < 10; ++digit)
        LoadTexture(render, {slot::FirstDigit + digit, id::FirstDigit + digit, std::nullopt});
    glAlphaFunc(GL_GREATER, 0);
    GenerateNames(render, slot::ButtonRaised, 3);
    LoadAll(render,
        {{slot::ButtonRaised, id::ButtonRaised, Key {picture_key::Button, {}}},
            {slot::ButtonPressed, id::ButtonPressed, Key {picture_key::Button, {}}},
            {slot::BonusMine, id::BonusMine, std::nullopt}});
    GenerateNames(render, slot::FirstFace, 4);
    // The normal face's cut-out carries a yellow that suits its soft edge.
    LoadAll(render,
        {{slot::FirstFace, id::FaceNormal, Key {picture_key::Face, Rgb8 {210, 220, 51}}},
            {slot::FirstFace + 1, id::FaceOpenMouth, Key {picture_key::Face, {}}},
            {slot::FirstFace + 2, id::FaceLost, Key {picture_key::Face, {}}},
            {slot::FirstFace + 3, id::FaceWon, Key {picture_key::Face, {}}}});
    GenerateNames(render, slot::PlayerOneBar, 4);
    LoadAll(render,
        {{slot::PlayerOneBar, id::PlayerOneBar, std::nullopt},
            {slot::PlayerTwoBar, id::PlayerTwoBar, std::nullopt},
            {slot::MessageBar, id::MessageBar, std::nullopt},
            {slot::Font, id::Font, std::nullopt}});
}

void UpdateCellTextures(RenderState& render, int32_t pixels)
{
    if (pixels == render.CellPicturePixels && render.Numbers == render.CellPictureNumbers)
        return;
    render.CellPicturePixels = pixels;
    render.CellPictureNumbers = render.Numbers;
    for (int state = 0; state < 12; ++state) {
        const int32_t id = picture_id::ClosedCell + state;
        Upload(render, {slot::CellBase + state, id, std::nullopt},
            DrawCellPicture(id, pixels, render.Numbers));
    }
    Upload(render, {slot::ExplodedMine, picture_id::ExplodedMine, std::nullopt},
        DrawCellPicture(picture_id::ExplodedMine, pixels));
}

void UpdateFontTexture(RenderState& render, int32_t scale)
{
    if (scale == render.FontPictureScale)
        return;
    render.FontPictureScale = scale;
    Upload(render, {slot::Font, picture_id::Font, std::nullopt}, DrawFontPicture(scale));
}

void LoadBoardTextures(RenderState& render)
{
    namespace id = picture_id;
    GenerateNames(render, slot::CellBase, 14);
    for (int state = 0; state < 12; ++state)
        LoadTexture(render, {slot::CellBase + state, id::ClosedCell + state, std::nullopt});
    glEnable(GL_ALPHA_TEST);
    glAlphaFunc(GL_GREATER, 0);
    LoadAll(render,
        {{slot::MoveMark, id::MoveMark, Key {picture_key::MoveMark, {}}},
            {slot::Pointer, id::Pointer, Key {picture_key::Pointer, {}}}});
    GenerateNames(render, slot::Glow, 3);
    LoadAll(render,
        {{slot::Glow, id::Glow, std::nullopt}, {slot::CrossBar, id::CrossBar, std::nullopt},
            {slot::ExplodedMine, id::ExplodedMine, std::nullopt}});
}

} // namespace orvane
