# Sourced by the measuring scripts: sets $python to a Python that has matplotlib: $PYTHON if
# set, else python3 on the PATH, else the system's own (Debian's python3-matplotlib belongs to
# /usr/bin/python3, which a virtual environment or pyenv hides).
python=
for candidate in ${PYTHON:-} python3 /usr/bin/python3; do
    if command -v "$candidate" >/dev/null && "$candidate" -c 'import matplotlib' 2>/dev/null; then
        python=$candidate
        break
    fi
done
if [ -z "$python" ]; then
    echo "no Python with matplotlib found (Debian: apt-get install python3-matplotlib; or pip install matplotlib, or set PYTHON)" >&2
    exit 1
fi
