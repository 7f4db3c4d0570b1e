#include "main_dialog.h"

#include <QDir>
#include <QEventLoop>
#include <QKeyEvent>
#include <QPushButton>
#include <QShowEvent>

#include "ui/app/app_identity.h"
#include "ui/app/catalogue_file.h"
#include "ui/app/window_settings.h"
#include "ui/widgets/artwork.h"
#include "ui/widgets/wait_cursor.h"
#include "ui/window/catalogue_session.h"
#include "ui/window/change_marks.h"
#include "ui/window/chart_link.h"
#include "ui/window/description_box.h"
#include "ui/window/export_command.h"
#include "ui/window/filter_panel.h"
#include "ui/window/find_bar.h"
#include "ui/window/header_panel.h"
#include "ui/window/help_window.h"
#include "ui/window/page_lists.h"

MainDialog::MainDialog(CatalogueFile catalogue, QWidget* parent)
    : QDialog(parent), layout_(font(), 392, 280) {
    setWindowTitle(program_title());
    setObjectName(QStringLiteral("main_dialog"));
    // An application's main window, not a dialog: window managers give it a taskbar entry
    // and the buttons to minimize and maximize it.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                   Qt::WindowCloseButtonHint);
    QIcon icon;
    icon.addPixmap(draw_app_icon(32));
    icon.addPixmap(draw_app_icon(16));
    setWindowIcon(icon);
    // The designed size is the smallest; any extra room goes to the lists and description.
    setMinimumSize(layout_.designed_size());
    resize(layout_.designed_size());

    // Created in the designed order of their controls, which is the keyboard's tab order.
    filter_ = new FilterPanel(this, layout_);
    description_ = new DescriptionBox(this, layout_);
    lists_ = new PageLists(this, layout_);
    header_ = new HeaderPanel(this, layout_);
    auto* exit = layout_.place(new QPushButton(QStringLiteral("Esci"), this), {335, 259, 50, 14},
                               "exit_button", StretchLayout::Stretch::corner);
    exit->setAccessibleName(QStringLiteral("Esci"));
    exit->setAccessibleDescription(QStringLiteral("Chiude il programma"));
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
    // Over the lists, after every control of the design in the tab order.
    new FindBar(*lists_, this, layout_);
    HelpWindow::add_command(this);

    session_ = new CatalogueSession(std::move(catalogue), this);
    // Before the window's own handling of a new reading, so the lists refill with the marks.
    new ChangeMarks(*session_, *lists_, *header_, this);
    export_ = new ExportCommand(*lists_, *session_, this);
    chart_ = new ChartLink(*lists_, this);
    lists_->add_menu_action(export_->action());
    lists_->add_menu_action(chart_->action());
    connect_parts();
}

MainDialog::~MainDialog() {
    // The base destructor hides the window, which takes the focus out of its boxes; nothing
    // may reach this window while it is half destroyed.
    for (QObject* child : findChildren<QObject*>()) {
        child->disconnect(this);
    }
}

int MainDialog::do_modal() {
    setModal(false);
    show();
    QEventLoop loop;
    connect(this, &QDialog::finished, &loop, &QEventLoop::exit);
    return loop.exec();
}

void MainDialog::connect_parts() {
    connect(filter_, &FilterPanel::query_requested, this, &MainDialog::show_query);
    connect(lists_, &PageLists::line_picked, this, [this](const QString& text) {
        // Picking a line writes the whole form: the boxes show again what was read last.
        filter_->write_form();
        description_->show_text(text);
    });
    connect(lists_, &PageLists::picked_line_reread, description_, &DescriptionBox::show_text);
    connect(session_, &CatalogueSession::catalogue_replaced, this, &MainDialog::show_new_reading);
}

void MainDialog::showEvent(QShowEvent* event) {
    // The first show initialises the window before it appears, once.
    if (!initialised_ && !event->spontaneous()) {
        initialised_ = true;
        on_init_dialog();
    }
    QDialog::showEvent(event);
}

void MainDialog::on_init_dialog() {
    // The first form write: every box shows its value; the counters and description blank.
    filter_->write_form();
    header_->clear();
    description_->show_text(QString());
    layout_.resize(size());
    filter_->set_spin_ranges();
    recall_page_and_order();
    const torvane::ReadStatus status = session_->read_first();
    view_.set_catalogue(session_->catalogue());
    header_->show_loaded(session_->catalogue()->size());
    header_->show_found(0);
    // With nothing read, the empty window says where it looked and how to open a catalogue.
    if (status != torvane::ReadStatus::read) {
        description_->show_hint(
            QStringLiteral("Nessun catalogo letto da %1 (%2): aprine uno con Ctrl+O o "
                           "trascinane uno nella finestra.")
                .arg(QDir::toNativeSeparators(session_->path()), read_failure_reason(status)));
    }
    torvane::ViewQuery first;
    first.sort_mode = filter_->sort_mode();
    show_query(first);
    setWindowTitle(session_->title());
    if (status == torvane::ReadStatus::read) {
        emit catalogue_read();
    }
    filter_->focus_first_box();
}

void MainDialog::show_query(const torvane::ViewQuery& query) {
    const WaitCursor busy;
    const torvane::CatalogueOrder view = view_.show(query);
    lists_->show_view(view);
    header_->show_found(view.size());
    filter_->write_form();
    shown_query_ = query;
}

void MainDialog::show_new_reading() {
    header_->show_loaded(session_->catalogue()->size());
    view_.set_catalogue(session_->catalogue());
    description_->clear_hint();
    {
        const WaitCursor busy;
        // The boxes keep what the user typed, even what no action has read yet.
        const torvane::CatalogueOrder view = view_.show(shown_query_);
        lists_->show_view_again(view);
        header_->show_found(view.size());
    }
    setWindowTitle(session_->title());
    emit catalogue_read();
}

void MainDialog::keyPressEvent(QKeyEvent* event) {
    // Qt hands the window the keys its focused control ignores (the tab bar, buttons, check
    // boxes), so this works from those too; edit boxes and lists keep it as typing. The
    // numeric keypad's 1, not the digit row's, shows the second page: the program's
    // established shortcut, odd as it looks.
    if (event->key() == Qt::Key_1 && (event->modifiers() & Qt::KeypadModifier)) {
        lists_->focus_tab(1);
    }
    QDialog::keyPressEvent(event);
}

void MainDialog::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    layout_.resize(size());
}

void MainDialog::remember_in(WindowSettings& settings) {
    settings_ = &settings;
    const WindowMemory& memory = settings.memory();
    session_->remember_last_catalogue(memory.last_catalogue);
    // A size and place that no longer fit the screens is brought onto one; one that cannot be
    // read leaves the designed size.
    if (!memory.geometry.isEmpty()) {
        restoreGeometry(memory.geometry);
    }
    connect(this, &QDialog::finished, this, &MainDialog::save_memory);
}

void MainDialog::recall_page_and_order() {
    if (settings_ == nullptr) {
        return;
    }
    filter_->set_sort_mode(settings_->memory().sort_mode);
    lists_->set_current_page(settings_->memory().page);
}

void MainDialog::save_memory() {
    WindowMemory memory;
    memory.last_catalogue = session_->last_catalogue();
    memory.geometry = saveGeometry();
    memory.page = lists_->current_page();
    memory.sort_mode = filter_->sort_mode();
    // A file that cannot be written costs only the memory of this run.
    settings_->save(memory);
}
