// The table of container editors, tried in turn on the file's first bytes. A TIFF that turns out to be a proprietary
// RAW is turned away before its editor plans anything; reading it stays allowed.
#include "commentlib/container.h"

#include "commentlib/bmp/bmp_editor.h"
#include "commentlib/camera_raw.h"
#include "commentlib/gif/gif_editor.h"
#include "commentlib/isobmff/isobmff_editor.h"
#include "commentlib/isobmff/isobmff_layout.h"
#include "commentlib/jpeg/jpeg_editor.h"
#include "commentlib/jpeg/jpeg_file.h"
#include "commentlib/jxl/jxl_editor.h"
#include "commentlib/jxl/jxl_layout.h"
#include "commentlib/png/png_editor.h"
#include "commentlib/tiff/tiff_editor.h"
#include "commentlib/tiff/tiff_file.h"
#include "commentlib/webp/webp_editor.h"
#include "commentlib/webp/webp_layout.h"

namespace corvane {

namespace {

struct Editor {
    Container container;
    bool (*looksLike)(ByteView);
    ReadResult (*read)(SourceFile&);
    PlanResult (*plan)(SourceFile&, std::string_view);
};

constexpr Editor kEditors[] = {
    {Container::Jpeg, jpeg::looksLike, jpeg::readComment, jpeg::planComment},
    {Container::Png, png::looksLike, png::readComment, png::planComment},
    {Container::Gif, gif::looksLike, gif::readComment, gif::planComment},
    {Container::Tiff, tiff::looksLike, tiff::readComment, tiff::planComment},
    {Container::Bmp, bmp::looksLike, bmp::readComment, bmp::planComment},
    {Container::Webp, webp::looksLike, webp::readComment, webp::planComment},
    {Container::Heif, isobmff::looksLike, isobmff::readComment, isobmff::planComment},
    {Container::Jxl, jxl::looksLike, jxl::readComment, jxl::planComment},
};

const Editor* editorFor(ByteView file)
{
    for (const Editor& editor : kEditors)
        if (editor.looksLike(file))
            return &editor;
    return nullptr;
}

}

Container detectContainer(ByteView first)
{
    const Editor* editor = editorFor(first);
    return editor ? editor->container : Container::Unknown;
}

ReadResult readComment(SourceFile& file)
{
    // What a file is shows in its first bytes: anything else is never read further.
    const Editor* editor = editorFor(file.bytes());
    if (!editor)
        return readFailure(CORVANE_E_UNSUPPORTED);
    return editor->read(file);
}

PlanResult planComment(SourceFile& file, std::string_view text)
{
    const Editor* editor = editorFor(file.bytes());
    if (!editor)
        return planFailure(CORVANE_E_UNSUPPORTED);
    PlanResult planned = editor->plan(file, text);
    if (planned.status != CORVANE_OK || editor->container != Container::Tiff)
        return planned;
    // A camera's own RAW is never rewritten, however sound the edit: its caption goes to a sidecar. A broken one
    // is still reported as broken, as reading it does.
    raw::Kind kind = raw::Kind::None;
    if (const int32_t status = raw::kindOf(file, kind); status != CORVANE_OK)
        return planFailure(status);
    return kind == raw::Kind::Proprietary ? planFailure(CORVANE_E_UNSUPPORTED) : planned;
}

}
