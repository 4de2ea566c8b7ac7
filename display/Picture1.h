#pragma once
// The plot area: the spectrum drawn by Grafico, and what sits on it.
// (interface to be completed)
