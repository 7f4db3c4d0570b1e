// What the window remembers from one run to the next: its size and place, the page, the sort
// order and the last catalogue read. The first run, with nothing remembered, is the designed
// window; every later one returns to where the user left it.
#include <QRadioButton>
#include <QTabBar>

#include "catalogue_file.h"
#include "main_dialog.h"
#include "window_settings.h"

void MainDialog::remember_in(WindowSettings& settings) {
    settings_ = &settings;
    const WindowMemory& memory = settings.memory();
    last_catalogue_ = memory.last_catalogue;
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
    const WindowMemory& memory = settings_->memory();
    sort_mode_ = memory.sort_mode;
    sort_radios_[static_cast<std::size_t>(sort_mode_)]->setChecked(true);
    tab_bar_->setCurrentIndex(memory.page);
}

void MainDialog::save_memory() {
    WindowMemory memory;
    memory.last_catalogue = last_catalogue_;
    memory.geometry = saveGeometry();
    memory.page = tab_bar_->currentIndex();
    memory.sort_mode = sort_mode_;
    // A file that cannot be written costs only the memory of this run.
    settings_->save(memory);
}
