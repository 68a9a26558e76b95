#include "commentlib/container.h"

#include "commentlib/bmp/bmp_editor.h"
#include "commentlib/camera_raw.h"
#include "commentlib/gif/gif_editor.h"
#include "commentlib/jpeg/jpeg_editor.h"
#include "commentlib/jpeg/jpeg_file.h"
#include "commentlib/png/png_editor.h"
#include "commentlib/tiff/tiff_editor.h"
#include "commentlib/tiff/tiff_file.h"
#include "commentlib/tiff/tiff_layout.h"

namespace corvane {

namespace {

struct Editor {
    Container container;
    bool (*looksLike)(ByteView);
    ReadResult (*read)(ByteView);
    PlanResult (*plan)(ByteView, std::string_view);
    // Editors that can work from part of a file; the others are given the whole file.
    ReadResult (*readFile)(SourceFile&) = nullptr;
    PlanResult (*planFile)(SourceFile&, std::string_view) = nullptr;
};

constexpr Editor kEditors[] = {
    {Container::Jpeg, jpeg::looksLike, jpeg::readComment, jpeg::planComment, jpeg::readComment, jpeg::planComment},
    {Container::Png, png::looksLike, png::readComment, png::planComment},
    {Container::Gif, gif::looksLike, gif::readComment, gif::planComment},
    {Container::Tiff, tiff::looksLike, tiff::readComment, tiff::planComment, tiff::readComment, tiff::planComment},
    {Container::Bmp, bmp::looksLike, bmp::readComment, bmp::planComment},
};

const Editor* editorFor(ByteView file)
{
    for (const Editor& editor : kEditors)
        if (editor.looksLike(file))
            return &editor;
    return nullptr;
}

}

Container detectContainer(ByteView file)
{
    const Editor* editor = editorFor(file);
    return editor ? editor->container : Container::Unknown;
}

ReadResult readComment(ByteView file)
{
    const Editor* editor = editorFor(file);
    if (!editor)
        return readFailure(CORVANE_E_UNSUPPORTED);
    return editor->read(file);
}

PlanResult planComment(ByteView file, std::string_view text)
{
    const Editor* editor = editorFor(file);
    if (!editor)
        return planFailure(CORVANE_E_UNSUPPORTED);
    // A camera RAW built on TIFF is read as one, but never written.
    if (editor->container == Container::Tiff && raw::kindOf(file) == raw::Kind::Proprietary)
        return planFailure(tiff::parseLayout(file) ? CORVANE_E_UNSUPPORTED : CORVANE_E_DAMAGED);
    return editor->plan(file, text);
}

ReadResult readComment(SourceFile& file)
{
    // What a file is shows in its first bytes: anything else is never read further.
    const Editor* editor = editorFor(file.bytes());
    if (!editor)
        return readFailure(CORVANE_E_UNSUPPORTED);
    if (!editor->readFile) {
        const int32_t status = file.loadWhole();
        return status == CORVANE_OK ? readComment(file.bytes()) : readFailure(status);
    }
    return editor->readFile(file);
}

PlanResult planComment(SourceFile& file, std::string_view text)
{
    const Editor* editor = editorFor(file.bytes());
    if (!editor)
        return planFailure(CORVANE_E_UNSUPPORTED);
    if (editor->container == Container::Tiff) {
        raw::Kind kind = raw::Kind::None;
        if (const int32_t status = raw::kindOf(file, kind); status != CORVANE_OK)
            return planFailure(status);
        if (kind == raw::Kind::Proprietary)
            return planFailure(CORVANE_E_UNSUPPORTED);
    }
    if (editor->planFile)
        return editor->planFile(file, text);
    const int32_t status = file.loadWhole();
    return status == CORVANE_OK ? planComment(file.bytes(), text) : planFailure(status);
}

}
