// A print run: the request runs once more with a canvas on the printer as the target of every page.
#pragma once

#include <functional>

class QPrinter;

namespace zol {

// Runs Lauf as one print job on Drucker (set up by the caller, for instance by the print dialog): a canvas
// on the printer becomes Druckerleinwand, Seitenbreite and Seitenhoehe the printer's page (its width less
// the two margins of 10 pixels), SeitenY starts at 5 and DruckModus is on while Lauf runs, so every page it
// prepares and draws goes onto paper with page breaks. Afterwards the page size, the current canvas,
// Druckerleinwand and DruckModus get their old values back, in every case. A run cut short by an exception
// aborts the job and the exception passes on; nothing is printed (output to a file is removed).
void Drucke(QPrinter& Drucker, const std::function<void()>& Lauf);

} // namespace zol
