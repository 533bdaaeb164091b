// Placeholder: not built yet.
