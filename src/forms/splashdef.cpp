#include "forms/splashdef.h"

namespace forms {

namespace {

constexpr const char *kFont = "新細明體";

ControlDef label(const char *name, double left, double top, double width, double height,
                 int tabIndex, const char *caption, const char *tag, Qt::Alignment alignment,
                 bool autoSize, double pointSize, bool bold)
{
    ControlDef c =
        placed(name, ControlKind::Label, "fraMainFrame", left, top, width, height, tabIndex);
    c.caption = caption;
    c.tag = tag;
    c.alignment = alignment;
    c.autoSize = autoSize;
    c.font = FontDef{kFont, pointSize, bold};
    return c;
}

FormDef makeSplashDef()
{
    FormDef f{};
    f.name = "frmSplash";
    f.clientWidth = 7455;
    f.clientHeight = 4710;

    f.controls.push_back(
        placed("fraMainFrame", ControlKind::Frame, nullptr, 45, -15, 7380, 4590, 0));

    ControlDef logo =
        placed("picLogo", ControlKind::PictureBox, "fraMainFrame", 510, 855, 1815, 2385, 2);
    logo.picture = PictureDef::Logo;
    f.controls.push_back(logo);

    const Qt::Alignment left = Qt::AlignLeft, right = Qt::AlignRight;
    f.controls.push_back(
        label("lblLicenseTo", 270, 300, 6855, 255, 1, "授權給", "1030", right, false, 8.25, false));
    f.controls.push_back(label("lblProductName", 2670, 1200, 2640, 645, 9, "產品名稱", "1029", left,
                               true, 32.25, true));
    f.controls.push_back(label("lblCompanyProduct", 2505, 765, 1500, 360, 8, "公司產品", "1028",
                               left, true, 18, true));
    f.controls.push_back(
        label("lblPlatform", 6345, 2400, 660, 315, 7, "平台", "1027", right, true, 15.75, true));
    f.controls.push_back(
        label("lblVersion", 6495, 2760, 510, 240, 6, "版本", "1026", right, true, 12, true));
    f.controls.push_back(
        label("lblWarning", 300, 3720, 6855, 195, 3, "警告", "1025", left, false, 8.25, false));
    f.controls.push_back(label("lblCompany", 4710, 3330, 2415, 255, 5, "公司行號:Plimso", "1024",
                               left, false, 8.25, false));
    f.controls.push_back(
        label("lblCopyright", 4710, 3120, 2415, 255, 4, "版權", "1023", left, false, 8.25, false));
    return f;
}

} // namespace

const FormDef &splashDef()
{
    static const FormDef def = makeSplashDef();
    return def;
}

} // namespace forms
