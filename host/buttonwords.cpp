#include "host/buttonwords.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QRegularExpression>
#include <QWidget>

namespace kvhost {

namespace {

constexpr const char* kContext = "ButtonWords";

// How a button shows its words: a fixed text, or, for the small switches that
// have their label beside them, whether they are on.
enum class Kind { Word, Symbol, Switch };

struct Words
{
    const char* name;
    Kind kind;
    const char* text;
    const char* toolTip;
};

// clang-format off
const Words kWords[] = {
    // The tool panel.
    {"pw_batch_process_btn_", Kind::Word, QT_TRANSLATE_NOOP("ButtonWords", "Batch Processing"), QT_TRANSLATE_NOOP("ButtonWords", "Run several image tools in a chain")},
    {"pw_flight_calibration_btn_", Kind::Word, QT_TRANSLATE_NOOP("ButtonWords", "Flight Calibration"), QT_TRANSLATE_NOOP("ButtonWords", "Calibrate the camera of a flight")},
    {"pw_image_group_", Kind::Word, QT_TRANSLATE_NOOP("ButtonWords", "Image"), QT_TRANSLATE_NOOP("ButtonWords", "Image tools")},
    {"pw_gps_group_", Kind::Word, QT_TRANSLATE_NOOP("ButtonWords", "GPS"), QT_TRANSLATE_NOOP("ButtonWords", "GPS tools")},
    {"pw_utility_group_", Kind::Word, QT_TRANSLATE_NOOP("ButtonWords", "Tools"), QT_TRANSLATE_NOOP("ButtonWords", "Utilities")},
    {"pw_change_format_btn_", Kind::Word, QT_TRANSLATE_NOOP("ButtonWords", "Format Change"), QT_TRANSLATE_NOOP("ButtonWords", "Write the images in another format")},
    {"pw_resample_btn_", Kind::Word, QT_TRANSLATE_NOOP("ButtonWords", "Resample"), QT_TRANSLATE_NOOP("ButtonWords", "Reduce the images by a ratio")},
    {"pw_rotate_btn_", Kind::Word, QT_TRANSLATE_NOOP("ButtonWords", "Rotation"), QT_TRANSLATE_NOOP("ButtonWords", "Rotate the images")},
    {"pw_pyramid_btn_", Kind::Word, QT_TRANSLATE_NOOP("ButtonWords", "Overviews"), QT_TRANSLATE_NOOP("ButtonWords", "Build the image overviews")},
    {"pw_init_correct_btn_", Kind::Word, QT_TRANSLATE_NOOP("ButtonWords", "Image Correction"), QT_TRANSLATE_NOOP("ButtonWords", "Correct the images before processing")},
    {"pw_distortion_btn_", Kind::Word, QT_TRANSLATE_NOOP("ButtonWords", "Distortion"), QT_TRANSLATE_NOOP("ButtonWords", "Remove the lens distortion")},
    {"pw_enhancement_btn_", Kind::Word, QT_TRANSLATE_NOOP("ButtonWords", "Enhancement"), QT_TRANSLATE_NOOP("ButtonWords", "Enhance the images")},
    {"pw_balance_color_btn_", Kind::Word, QT_TRANSLATE_NOOP("ButtonWords", "Color Balance"), QT_TRANSLATE_NOOP("ButtonWords", "Balance the colours of the images")},
    {"pw_exif_", Kind::Word, QT_TRANSLATE_NOOP("ButtonWords", "EXIF"), QT_TRANSLATE_NOOP("ButtonWords", "Write the positions into the EXIF data")},
    {"pw_rt27_", Kind::Word, QT_TRANSLATE_NOOP("ButtonWords", "RT27 to RINEX"), QT_TRANSLATE_NOOP("ButtonWords", "Convert a receiver RT27 file to RINEX")},
    {"pw_atom_", Kind::Word, QT_TRANSLATE_NOOP("ButtonWords", "ATOM to RINEX"), QT_TRANSLATE_NOOP("ButtonWords", "Convert a receiver ATOM file to RINEX")},
    {"pw_rinex_check_", Kind::Word, QT_TRANSLATE_NOOP("ButtonWords", "Event Marks"), QT_TRANSLATE_NOOP("ButtonWords", "Add the event marks to a RINEX file")},
    {"pw_gps_solve_", Kind::Word, QT_TRANSLATE_NOOP("ButtonWords", "GPS Solution"), QT_TRANSLATE_NOOP("ButtonWords", "Solve the camera positions from GNSS data")},
    {"pw_gps_add_flight_", Kind::Word, QT_TRANSLATE_NOOP("ButtonWords", "Flight from GPS"), QT_TRANSLATE_NOOP("ButtonWords", "Add a flight from GPS data")},
    {"pw_dem_check_", Kind::Word, QT_TRANSLATE_NOOP("ButtonWords", "DEM Check"), QT_TRANSLATE_NOOP("ButtonWords", "Check the ground heights against a DEM")},
    {"pw_rename_", Kind::Word, QT_TRANSLATE_NOOP("ButtonWords", "Rename"), QT_TRANSLATE_NOOP("ButtonWords", "Rename the image files")},
    {"pw_lever_arm_btn_", Kind::Word, QT_TRANSLATE_NOOP("ButtonWords", "Lever Arm"), QT_TRANSLATE_NOOP("ButtonWords", "Correct the positions for the lever arm")},
    {"pw_raw2tif_btn_", Kind::Word, QT_TRANSLATE_NOOP("ButtonWords", "RAW to TIFF"), QT_TRANSLATE_NOOP("ButtonWords", "Convert raw photos to TIFF")},
    {"pw_tile_view_btn_", Kind::Switch, nullptr, QT_TRANSLATE_NOOP("ButtonWords", "Show the images as tiles")},
    {"pw_geo_view_btn_", Kind::Switch, nullptr, QT_TRANSLATE_NOOP("ButtonWords", "Show the images at their GPS positions")},
    // The display bar: switches with their label beside them.
    {"db_gps_check_btn_", Kind::Switch, nullptr, QT_TRANSLATE_NOOP("ButtonWords", "Show the GPS points")},
    {"db_footprint_check_btn_", Kind::Switch, nullptr, QT_TRANSLATE_NOOP("ButtonWords", "Show the image footprints")},
    {"db_imageid_check_btn_", Kind::Switch, nullptr, QT_TRANSLATE_NOOP("ButtonWords", "Show the image names")},
    {"db_image_check_btn_", Kind::Switch, nullptr, QT_TRANSLATE_NOOP("ButtonWords", "Show the images")},
    {"db_flight_line_check_btn_", Kind::Switch, nullptr, QT_TRANSLATE_NOOP("ButtonWords", "Show the flight lines")},
    {"db_link_check_btn_", Kind::Switch, nullptr, QT_TRANSLATE_NOOP("ButtonWords", "Show the links between images")},
    {"db_imu_check_btn_", Kind::Switch, nullptr, QT_TRANSLATE_NOOP("ButtonWords", "Check the IMU angles against the limits")},
    {"db_refresh_flight_btn_", Kind::Symbol, "↻✈", QT_TRANSLATE_NOOP("ButtonWords", "Refresh the flights")},
    {"db_refresh_image_btn_", Kind::Symbol, "↻▣", QT_TRANSLATE_NOOP("ButtonWords", "Refresh the images")},
    // The catalogue's views.
    {"cb_flight_view_btn_", Kind::Word, QT_TRANSLATE_NOOP("ButtonWords", "Flights"), QT_TRANSLATE_NOOP("ButtonWords", "The images by flight")},
    {"cb_enable_view_btn_", Kind::Word, QT_TRANSLATE_NOOP("ButtonWords", "Enabled"), QT_TRANSLATE_NOOP("ButtonWords", "The images by use, enabled first")},
    {"cb_visible_view_btn_", Kind::Word, QT_TRANSLATE_NOOP("ButtonWords", "Visible"), QT_TRANSLATE_NOOP("ButtonWords", "The images by visibility, visible first")},
    // The batch dialog: 32 pixels square, room for a symbol only.
    {"bthw_add_btn_", Kind::Symbol, "+", QT_TRANSLATE_NOOP("ButtonWords", "Add")},
    {"bthw_clear_btn_", Kind::Symbol, "✕", QT_TRANSLATE_NOOP("ButtonWords", "Clear")},
    {"bthw_remove_btn_", Kind::Symbol, "−", QT_TRANSLATE_NOOP("ButtonWords", "Delete")},
    {"bthw_up_btn_", Kind::Symbol, "↑", QT_TRANSLATE_NOOP("ButtonWords", "Up")},
    {"bthw_down_btn_", Kind::Symbol, "↓", QT_TRANSLATE_NOOP("ButtonWords", "Down")},
    {"bthw_browse_btn_", Kind::Symbol, "…", QT_TRANSLATE_NOOP("ButtonWords", "Choose the output folder")},
};
// clang-format on

QString Translated(const char* text)
{
    return QCoreApplication::translate(kContext, text);
}

const Words* Find(const QAbstractButton& button)
{
    const QString formName = button.property("kvFormName").toString();
    for (const Words& words : kWords) {
        const QLatin1String name(words.name);
        if (button.objectName() == name || formName == name)
            return &words;
    }
    return nullptr;
}

void ShowState(QAbstractButton* button, bool on)
{
    button->setText(on ? Translated(QT_TRANSLATE_NOOP("ButtonWords", "On"))
                       : Translated(QT_TRANSLATE_NOOP("ButtonWords", "Off")));
}

} // namespace

bool HasStyleSheetPicture(const QAbstractButton& button)
{
    const QString name = button.objectName();
    if (name.isEmpty())
        return false;
    QString sheet = qApp ? qApp->styleSheet() : QString();
    for (const QWidget* widget = &button; widget; widget = widget->parentWidget())
        sheet += widget->styleSheet();
    // A rule naming this button whose body sets an image, a background image
    // or a border image.
    static const QRegularExpression rule(QStringLiteral("([^{}]*)\\{([^{}]*)\\}"));
    const QRegularExpression selector(
        QStringLiteral("#%1(?![\\w-])").arg(QRegularExpression::escape(name)));
    for (auto match = rule.globalMatch(sheet); match.hasNext();) {
        const QRegularExpressionMatch found = match.next();
        if (found.captured(2).contains(QLatin1String("image"))
            && selector.match(found.captured(1)).hasMatch())
            return true;
    }
    return false;
}

void GiveButtonsWords(QWidget* root)
{
    if (!root)
        return;
    for (QAbstractButton* button : root->findChildren<QAbstractButton*>()) {
        const Words* words = Find(*button);
        if (!words || !button->text().isEmpty() || !button->icon().isNull()
            || HasStyleSheetPicture(*button))
            continue;
        // The library's own tool tips are kept.
        if (button->toolTip().isEmpty())
            button->setToolTip(Translated(words->toolTip));
        switch (words->kind) {
        case Kind::Word:
            button->setText(Translated(words->text));
            break;
        case Kind::Symbol:
            button->setText(QString::fromUtf8(words->text));
            break;
        case Kind::Switch:
            ShowState(button, button->isChecked());
            QObject::connect(button, &QAbstractButton::toggled, button,
                             [button](bool on) { ShowState(button, on); });
            break;
        }
    }
}

} // namespace kvhost
