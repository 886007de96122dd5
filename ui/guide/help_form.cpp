#include "ui/guide/help_form.h"

#include "platform/classic_fonts.h"
#include "platform/frame/window_frame.h"
#include "ui/boxes/screen_centre.h"
#include "ui/boxes/window_disabler.h"
#include "ui/guide/classic_tab_pages.h"

#include <QKeyEvent>
#include <QListWidgetItem>
#include <QTabBar>

// The layout's pictures live in a static library; naming its initialiser here keeps the linker
// from dropping them. Resource initialisers must be called from the global namespace.
static void initGuideResources() {
    Q_INIT_RESOURCE(guide);
}

namespace ui {
namespace {

using platform::ClassicFace;
using platform::classicFont;

constexpr int kWindowFontPixels = 11;
constexpr int kProductNamePixels = 19;
constexpr int kCreditPixels = 13;
constexpr int kListRowHeight = 13;

// A tool window: small title bar with a close button only, no minimise or maximise.
constexpr Qt::WindowFlags kToolWindowFlags =
    Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

bool isEnterKey(const QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

THelpForm::THelpForm(QWidget* parent) : QDialog(parent, kToolWindowFlags) {
    initGuideResources();
    ui_.setupUi(this);
    wearClassicFrame();

    // Designer layouts carry point sizes only; the window was drawn in pixel sizes.
    setFont(classicFont(ClassicFace::MsSansSerif, kWindowFontPixels));
    ui_.ProductName->setFont(classicFont(ClassicFace::MsSansSerif, kProductNamePixels, true));
    ui_.Label2->setFont(classicFont(ClassicFace::MsSansSerif, kWindowFontPixels, true));
    ui_.Label1->setFont(classicFont(ClassicFace::MsSansSerif, kCreditPixels));

    ClassicTabPages::Apply(*ui_.PageControl1);

    for (int row = 0; row < ui_.ListBox1->count(); ++row)
        ui_.ListBox1->item(row)->setSizeHint(QSize(0, kListRowHeight));

    // The read-only pages still take the focus and scroll from the keyboard, like the
    // editable one; they only refuse changes.
    for (QPlainTextEdit* memo : {ui_.Memo1, ui_.Memo2, ui_.Memo3}) {
        if (memo->isReadOnly())
            memo->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        memo->installEventFilter(this);
        // Tab reaches the page's text, and a screen reader reads it when its tab is chosen.
        memo->setFocusPolicy(Qt::StrongFocus);
        const int page = ui_.PageControl1->indexOf(memo->parentWidget());
        if (page >= 0) {
            ui_.PageControl1->tabBar()->setAccessibleTabName(
                page, ui_.PageControl1->tabText(page) + QStringLiteral(": ") +
                          memo->toPlainText().simplified());
        }
    }

    // The tab bar stands in for the pages in the tab order; the shown page's text follows it.
    setTabOrder(ui_.PageControl1->tabBar(), ui_.Memo1);

    connect(ui_.BitBtn1, &QPushButton::clicked, this, &THelpForm::BitBtn1Click);
}

THelpForm::~THelpForm() = default;

int THelpForm::ShowModal() {
    // Modal as the boxes are: the other windows are disabled while the guide is open, and the
    // one that opened it is active again afterwards, which lets the table refresh its money
    // panels. The guide is nobody's child, so without this nothing would hand the activation
    // back where no window manager does it.
    const WindowDisabler disabler;
    SetTransientFor(*this, disabler.reactivated());
    centreOnScreen();
    return exec();
}

void THelpForm::BitBtn1Click() {
    done(mrCancel);
}

void THelpForm::reject() {
    done(mrCancel);
}

bool THelpForm::eventFilter(QObject* watched, QEvent* event) {
    // Enter belongs to a text box that has the focus. An editable box takes it as a new line;
    // a read-only one ignores it, and must not let it fall through to the OK button.
    if (isEnterKey(event)) {
        if (auto* memo = qobject_cast<QPlainTextEdit*>(watched); memo && memo->isReadOnly())
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

void THelpForm::wearClassicFrame() {
    // The layout was drawn for the client area: its controls move in there unchanged, and
    // the tool-window frame goes round it.
    const QSize client = size();
    auto* frame = new platform::WindowFrame(*this);
    frame->setBorderStyle(platform::BorderStyle::bsToolWindow);
    frame->setBorderIcons(platform::biSystemMenu);
    for (QWidget* control : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (control == frame->clientArea())
            continue;
        const QRect place = control->geometry();
        const bool hidden = control->isHidden();
        control->setParent(frame->clientArea());
        control->setGeometry(place);
        control->setHidden(hidden);
    }
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    frame->setSizeFixed(true);
    frame->setClientSize(client);
}

void THelpForm::centreOnScreen() {
    // The frame's size is known only once the window exists; before the first showing it
    // would be taken for the bare client area and the frame would sit off centre.
    winId();
    CentreOnScreen(*this);
}

} // namespace ui
